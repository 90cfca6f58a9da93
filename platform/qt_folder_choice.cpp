#include "platform/qt_folder_choice.h"

#include "platform/qt_text.h"

#include <QFileDialog>

namespace wazenie {

std::optional<std::filesystem::path> QtFolderChoice::choose_folder(const std::string& prompt) {
    const QString folder = QFileDialog::getExistingDirectory(parent_, to_qt(prompt));
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(from_qt(folder));
}

}  // namespace wazenie
