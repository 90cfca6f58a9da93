#pragma once

#include <optional>
#include <string>

#include "core/client.h"

namespace wazenie {

// The edit dialog ("Nowy klient" / "Edycja klienta"): the client typed, or nothing when cancelled.
// The dialog itself refuses an empty full name (client_entry_error) and an incomplete NIP
// (nip_acceptable).
class ClientEditor {
public:
    virtual ~ClientEditor() = default;
    virtual std::optional<Client> edit(const std::string& caption, const Client& initial) = 0;
};

}  // namespace wazenie
