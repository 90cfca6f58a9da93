#pragma once

#include <string>
#include <string_view>

namespace wazenie {

// The edit dialog's NIP field: once changed it must hold all ten digits (ddd-ddd-dd-dd) before the
// focus may leave it; a field never touched may stay empty.
bool nip_complete(std::string_view text);
bool nip_acceptable(std::string_view text, bool touched);
inline constexpr std::string_view kNipRefused = "Invalid input value.  Use escape key to abandon changes";

}  // namespace wazenie
