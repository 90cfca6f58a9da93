#include "platform/free_space.h"

#include <QStorageInfo>
#include <QString>

namespace wazenie {

std::optional<std::int64_t> free_space(const std::filesystem::path& dir) {
    const QStorageInfo storage(QString::fromStdU16String(dir.u16string()));
    if (!storage.isValid() || !storage.isReady()) {
        return std::nullopt;
    }
    return storage.bytesAvailable();
}

}  // namespace wazenie
