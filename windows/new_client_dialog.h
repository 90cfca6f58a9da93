#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/client.h"

namespace wazenie {

// The checks of the edit dialog ("Nowy klient" / "Edycja klienta").

// OK: the message to show, or nothing when the entry may be accepted.
std::optional<std::string> client_entry_error(const Client& entry);

// The NIP field: once changed it must hold all ten digits (ddd-ddd-dd-dd) before the focus may leave
// it; a field never touched may stay empty.
bool nip_complete(std::string_view text);
bool nip_acceptable(std::string_view text, bool touched);
inline constexpr std::string_view kNipRefused = "Invalid input value.  Use escape key to abandon changes";

}  // namespace wazenie
