#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/cli/command_line.h"
#include "core/result.h"

namespace wazenie {

// The arguments of `wazenie-cli run`.
struct RunOptions {
    std::string recipe;
    std::string mass;  // as typed; the weighing-parameters check decides whether it is a number
    std::string client;
    std::string operator_name = "ADMINISTRATOR";
    bool resume = false;  // carry on the process in status.txt instead of a new one
    bool simulate = false;
    bool yes = false;  // --tak: a start the stock cannot cover goes ahead all the same
    std::optional<double> timeout_seconds;
    bool verbose = false;
};

Result<RunOptions> parse_run_options(const std::vector<std::string>& args);
// --timeout S of the commands that work the line: a number of seconds above 0, or nothing.
Result<std::optional<double>> parse_timeout(const ParsedOptions& parsed);

}  // namespace wazenie
