#pragma once

#include <string>
#include <string_view>

namespace wazenie {

// One client as the client file, the process records and the client dialogs pass it on.
struct Client {
    std::string short_name;
    std::string full_name;
    std::string address;
    std::string nip;  // "ddd-ddd-dd-dd" or the empty form kEmptyNip

    bool operator==(const Client&) const = default;
};

inline constexpr std::string_view kEmptyNip = "   -   -  -  ";

}  // namespace wazenie
