#include "recipes/entered_name.h"

#include "storage/text_helpers.h"

namespace wazenie {

std::string entered_name(const std::string& text) {
    std::string name = clean_field(text);
    if (name.find_first_not_of(' ') == std::string::npos) {
        return {};
    }
    return name;
}

bool same_name_ignoring_case(const std::string& a, const std::string& b) {
    return upper_pl(a) == upper_pl(b);
}

}  // namespace wazenie
