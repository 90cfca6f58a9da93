#include "windows/new_client_dialog.h"

namespace wazenie {

std::optional<std::string> client_entry_error(const Client& entry) {
    if (entry.full_name.empty()) {
        return std::string("Nie podano nazwy kontrahenta!");
    }
    return std::nullopt;
}

bool nip_complete(std::string_view text) {
    static constexpr std::string_view form = "ddd-ddd-dd-dd";
    if (text.size() != form.size()) {
        return false;
    }
    for (std::size_t i = 0; i < form.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (form[i] == 'd' ? !digit : text[i] != '-') {
            return false;
        }
    }
    return true;
}

bool nip_acceptable(std::string_view text, bool touched) {
    return !touched || nip_complete(text);
}

}  // namespace wazenie
