#include "app/cli/run_options.h"

#include "core/number_text.h"
#include "core/trim.h"
#include "storage/moisture.h"

namespace wazenie {

namespace {

// "NAZWA=PROCENT": the name before the last "=", the moisture after it.
Result<std::pair<std::string, std::string>> given_moisture(const std::string& text) {
    const auto equals = text.rfind('=');
    if (equals == std::string::npos || trim(text.substr(0, equals)).empty()) {
        return Error{"błędna wartość --wilgotnosc: " + text + " (NAZWA=PROCENT)", ""};
    }
    std::string percent = text.substr(equals + 1);
    if (!parse_moisture(percent)) {
        return Error{kMoistureRangeMessage, ""};
    }
    return std::pair{std::string(trim(text.substr(0, equals))), std::move(percent)};
}

}  // namespace

Result<RunOptions> parse_run_options(const std::vector<std::string>& args) {
    auto parsed = parse_options(args, {{"--recipe", true},
                                       {"--mass", true},
                                       {"--client", true},
                                       {"--wilgotnosc", true},
                                       {"--samochod", true},
                                       {"--budowa", true},
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
        if (recipe || mass || parsed->value("--client") || parsed->value("--samochod") ||
            parsed->value("--budowa")) {
            return Error{
                "opcja --resume wznawia zapisany proces, bez --recipe, --mass, --client, --samochod i "
                "--budowa",
                ""};
        }
    } else if (!recipe || recipe->empty()) {
        return Error{"brak opcji --recipe", ""};
    } else if (!mass) {
        return Error{"brak opcji --mass", ""};
    }
    options.recipe = recipe.value_or("");
    options.mass = mass.value_or("");
    options.client = parsed->value("--client").value_or("");
    options.truck = parsed->value("--samochod").value_or("");
    options.site = parsed->value("--budowa").value_or("");
    for (const std::string& text : parsed->every_value("--wilgotnosc")) {
        if (options.resume) {
            return Error{"opcja --wilgotnosc należy do nowego procesu, nie do --resume", ""};
        }
        auto moisture = given_moisture(text);
        if (!moisture) {
            return moisture.error();
        }
        options.moisture.push_back(std::move(*moisture));
    }
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
