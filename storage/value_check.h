#pragma once

#include <string_view>

namespace wazenie {

// The input dialog's check of its entry against the data type: "integer" and "float" read a point as a
// comma and must hold the whole number; any other type accepts every text, the empty one included.
bool value_accepted(std::string_view entry, std::string_view data_type);

// Shown when the check refuses an entry; the dialog then stays open with the entry as it is.
inline constexpr std::string_view kBadValueMessage = "Błędna wartość!";

}  // namespace wazenie
