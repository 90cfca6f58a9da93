#pragma once

#include <string_view>

namespace wazenie {

// Without the spaces and tabs at both ends.
inline std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace wazenie
