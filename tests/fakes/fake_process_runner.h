#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/process_runner.h"

namespace wazenie::testing {

class FakeProcessRunner : public ProcessRunner {
public:
    struct Call {
        std::filesystem::path program;
        std::vector<std::string> arguments;
        std::filesystem::path working_directory;
    };
    std::vector<Call> calls;
    std::optional<int> exit_code = 0;
    std::function<void(const Call&)> effect;  // e.g. create the archive file

    std::optional<int> run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::filesystem::path& working_directory,
                           std::chrono::milliseconds) override {
        calls.push_back({program, arguments, working_directory});
        if (effect) {
            effect(calls.back());
        }
        return exit_code;
    }
};

}  // namespace wazenie::testing
