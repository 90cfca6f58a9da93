#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/result.h"

namespace wazenie {

struct OptionRule {
    std::string name;  // with its dashes: "--recipe"
    bool takes_value = false;
};

// Options as given: "--name value" or "--name=value" for those that take a value, "--name" for flags.
// An option given again adds its value; the one value asked for is the last.
class ParsedOptions {
public:
    std::map<std::string, std::vector<std::string>> values;
    std::set<std::string> flags;

    std::optional<std::string> value(const std::string& name) const;
    // Every value of a repeatable option, in the order given.
    std::vector<std::string> every_value(const std::string& name) const;
    bool flag(const std::string& name) const { return flags.count(name) > 0; }
};

// Every argument must be one of the options; the error's `what` is the Polish message.
Result<ParsedOptions> parse_options(const std::vector<std::string>& args,
                                    const std::vector<OptionRule>& rules);

// The same, and every required option given; nothing after the message went to standard error.
std::optional<ParsedOptions> checked_options(const std::vector<std::string>& args,
                                             const std::vector<OptionRule>& rules,
                                             const std::vector<std::string>& required);

}  // namespace wazenie
