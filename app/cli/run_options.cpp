#include "app/cli/run_options.h"

#include "core/number_text.h"

namespace wazenie {

Result<RunOptions> parse_run_options(const std::vector<std::string>& args) {
    auto parsed = parse_options(args, {{"--recipe", true},
                                       {"--mass", true},
                                       {"--client", true},
                                       {"--operator", true},
                                       {"--resume", false},
                                       {"--simulate", false},
                                       {"--tak", false},
                                       {"--timeout", true},
                                       {"--verbose", false}});
    if (!parsed) {
        return parsed.error();
    }
    RunOptions options;
    auto recipe = parsed->value("--recipe");
    auto mass = parsed->value("--mass");
    options.resume = parsed->flag("--resume");
    if (options.resume) {
        if (recipe || mass || parsed->value("--client")) {
            return Error{"opcja --resume wznawia zapisany proces, bez --recipe, --mass i --client", ""};
        }
    } else if (!recipe || recipe->empty()) {
        return Error{"brak opcji --recipe", ""};
    } else if (!mass) {
        return Error{"brak opcji --mass", ""};
    }
    options.recipe = recipe.value_or("");
    options.mass = mass.value_or("");
    options.client = parsed->value("--client").value_or("");
    options.operator_name = parsed->value("--operator").value_or(options.operator_name);
    options.simulate = parsed->flag("--simulate");
    options.yes = parsed->flag("--tak");
    options.verbose = parsed->flag("--verbose");
    auto timeout = parse_timeout(*parsed);
    if (!timeout) {
        return timeout.error();
    }
    options.timeout_seconds = *timeout;
    return options;
}

Result<std::optional<double>> parse_timeout(const ParsedOptions& parsed) {
    auto timeout = parsed.value("--timeout");
    if (!timeout) {
        return std::optional<double>{};
    }
    auto seconds = parse_decimal(*timeout);
    if (!seconds || *seconds <= 0 || *seconds > 1e6) {
        return Error{"błędny czas --timeout: " + *timeout, ""};
    }
    return std::optional<double>{*seconds};
}

}  // namespace wazenie
