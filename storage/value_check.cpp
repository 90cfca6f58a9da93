#include "storage/value_check.h"

#include "core/number_text.h"
#include "storage/text_helpers.h"

namespace wazenie {

bool value_accepted(std::string_view entry, std::string_view data_type) {
    if (data_type == "integer") {
        // "3.5" becomes "3,5" and is refused, as an integer must be.
        return parse_int(to_comma(entry)).has_value();
    }
    if (data_type == "float") {
        return parse_decimal(to_comma(entry)).has_value();
    }
    return true;
}

}  // namespace wazenie
