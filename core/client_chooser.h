#pragma once

#include <optional>
#include <string>

namespace wazenie {

// The client database window as another window opens it (modally).
class ClientChooser {
public:
    virtual ~ClientChooser() = default;
    // The chosen client's short name when closed with OK; nothing otherwise.
    virtual std::optional<std::string> choose_client() = 0;
};

}  // namespace wazenie
