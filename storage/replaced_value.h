#pragma once

#include <optional>
#include <string>

namespace wazenie {

// A key that the file holds with a value that is not valid, and the default that took its place (and
// that the next save writes). A key such as a meter's decimal places or the WZ counter has none: it is
// kept as written and not used until corrected.
struct ReplacedValue {
    std::string section;
    std::string key;
    std::string value;
    std::optional<std::string> replacement;  // none: the key counts as absent until the file is corrected
};

}  // namespace wazenie
