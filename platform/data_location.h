#pragma once

#include <filesystem>
#include <optional>

#include "core/result.h"

namespace wazenie {

// The folder every data file lives in, and whether it was made just now (a first start).
struct DataLocation {
    std::filesystem::path dir;
    bool created = false;
};

// `given` (--data) as it is, even when it does not exist (the caller reports that); else `dane`
// beside the program when that folder exists (a portable installation); else `dane` in the user's
// application data folder, made with its parents when missing and given a konfig.ini of default
// settings.
Result<DataLocation> resolve_data_dir(const std::optional<std::filesystem::path>& given,
                                      const std::filesystem::path& executable_dir,
                                      const std::filesystem::path& app_data_dir);

// Names the application so that both programs share one application data folder
// (<user data>/wazenie). Call right after the application object is made.
void set_application_names();

// resolve_data_dir with the program's folder and the application data folder of this system.
Result<DataLocation> locate_data_dir(const std::optional<std::filesystem::path>& given);

}  // namespace wazenie
