#pragma once

#include <filesystem>

#include "core/dialogs.h"

namespace wazenie {

// The data folder a command works in: false, the message shown, when it is missing or is no folder
// (a wrong --data, not a folder without records).
bool data_dir_exists(const std::filesystem::path& data_dir, Dialogs& dialogs);

}  // namespace wazenie
