#pragma once

#include <string>

namespace wazenie {

// A recipe or material name the operator typed, made safe for a data file: tabs and line breaks become
// spaces. Empty when nothing but spaces is left, since such a name would read as an empty field.
std::string entered_name(const std::string& text);

// Recipe and material names are unique regardless of letter case, Polish letters included.
bool same_name_ignoring_case(const std::string& a, const std::string& b);

}  // namespace wazenie
