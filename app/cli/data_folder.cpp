#include "app/cli/data_folder.h"

#include <system_error>

namespace wazenie {

bool data_dir_exists(const std::filesystem::path& data_dir, Dialogs& dialogs) {
    std::error_code ignored;
    if (std::filesystem::is_directory(data_dir, ignored)) {
        return true;
    }
    dialogs.error("Brak katalogu z danymi: " + data_dir.string());
    return false;
}

}  // namespace wazenie
