#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace wazenie {

// Runs an external program (the archiver) and waits for it with a bound.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    // The exit code, or nothing when the program could not be started or did not end in time.
    virtual std::optional<int> run(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments,
                                   const std::filesystem::path& working_directory,
                                   std::chrono::milliseconds time_limit) = 0;
};

}  // namespace wazenie
