#pragma once

#include "core/process_runner.h"

namespace wazenie {

// ProcessRunner over QProcess. A program that does not end within the bound is killed, so no
// archiver is left writing behind the program's back.
class QtProcessRunner final : public ProcessRunner {
public:
    std::optional<int> run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::filesystem::path& working_directory,
                           std::chrono::milliseconds time_limit) override;
};

}  // namespace wazenie
