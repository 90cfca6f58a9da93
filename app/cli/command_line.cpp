#include "app/cli/command_line.h"

#include <algorithm>
#include <iostream>

namespace wazenie {

std::optional<std::string> ParsedOptions::value(const std::string& name) const {
    auto found = values.find(name);
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second.back();
}

std::vector<std::string> ParsedOptions::every_value(const std::string& name) const {
    auto found = values.find(name);
    return found == values.end() ? std::vector<std::string>{} : found->second;
}

Result<ParsedOptions> parse_options(const std::vector<std::string>& args,
                                    const std::vector<OptionRule>& rules) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inline_value;
        if (auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inline_value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        auto wanted =
            std::find_if(rules.begin(), rules.end(), [&](const OptionRule& s) { return s.name == name; });
        if (wanted == rules.end()) {
            return Error{
                name.rfind("--", 0) == 0 ? "nieznana opcja: " + name : "nadmiarowy argument: " + name, ""};
        }
        if (!wanted->takes_value) {
            if (inline_value) {
                return Error{"opcja " + name + " nie przyjmuje wartości", ""};
            }
            parsed.flags.insert(name);
            continue;
        }
        if (!inline_value) {
            if (i + 1 >= args.size()) {
                return Error{"opcja " + name + " wymaga wartości", ""};
            }
            inline_value = args[++i];
        }
        parsed.values[name].push_back(*inline_value);
    }
    return parsed;
}

std::optional<ParsedOptions> checked_options(const std::vector<std::string>& args,
                                             const std::vector<OptionRule>& rules,
                                             const std::vector<std::string>& required) {
    auto parsed = parse_options(args, rules);
    if (!parsed) {
        std::cerr << "błąd: " << parsed.error().what << "\n";
        return std::nullopt;
    }
    for (const auto& name : required) {
        if (!parsed->value(name)) {
            std::cerr << "błąd: brak opcji " << name << "\n";
            return std::nullopt;
        }
    }
    return *parsed;
}

}  // namespace wazenie
