#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/command_line.h"
#include "core/result.h"

namespace wazenie {

// The arguments of `wazenie-cli run`.
struct RunOptions {
    std::string recipe;
    std::string mass;  // as typed; the weighing-parameters check decides whether it is a number
    std::string client;
    // --wilgotnosc NAZWA=PROCENT, each as given: the aggregate's name and a moisture that reads.
    std::vector<std::pair<std::string, std::string>> moisture;
    // --samochod, --budowa: where the load goes; kept on the batch card.
    std::string truck;
    std::string site;
    std::string operator_name = "ADMINISTRATOR";
    bool resume = false;  // carry on the process in status.txt instead of a new one
    bool simulate = false;
    // --tak: a start the stock cannot cover, or with an aggregate's moisture out of date, goes ahead
    bool yes = false;
    std::optional<double> timeout_seconds;
    bool verbose = false;
};

Result<RunOptions> parse_run_options(const std::vector<std::string>& args);
// --timeout S of the commands that work the line: a number of seconds above 0, or nothing.
Result<std::optional<double>> parse_timeout(const ParsedOptions& parsed);

}  // namespace wazenie
