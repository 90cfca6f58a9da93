#pragma once

#include <filesystem>
#include <string>

#include "core/process_records.h"
#include "storage/settings.h"

namespace wazenie::testing {

// A finished process as the station leaves it: scale 1 with two materials, scale 2 with one, every
// material 100 kg per cycle plus `extra` on scale 1's first material in cycle 1.
struct LoggedProcess {
    std::string doc = "WZ/1/24";
    std::string start = "2024-01-10 08:00:00";  // "---" for a process that never started
    std::string stop = "2024-01-10 08:30:00";
    std::string recipe = "B20";
    std::string client = "BUDEX";
    std::string user = "JAN";
    int cycles = 2;
    double extra = 0;
};

ProcessState finished_process(const LoggedProcess& wanted);
// Appends the process to data_dir/yyyymm.txt with the program's own log writer.
void log_process(const std::filesystem::path& data_dir, const std::string& month, const LoggedProcess& wanted,
                 const Settings& settings = {});

}  // namespace wazenie::testing
