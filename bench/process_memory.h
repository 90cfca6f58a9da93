#pragma once

#include <fstream>
#include <string>

namespace wazenie::bench {

// A memory figure of this process in MB, by its name in /proc/self/status ("VmRSS" resident now,
// "VmHWM" the peak); 0 where the system does not tell.
inline double status_megabytes(const std::string& field) {
#ifdef __linux__
    std::ifstream status("/proc/self/status");
    const std::string prefix = field + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(prefix, 0) == 0) {
            return std::stod(line.substr(prefix.size())) / 1024.0;
        }
    }
#else
    (void)field;
#endif
    return 0;
}

}  // namespace wazenie::bench
