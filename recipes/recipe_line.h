#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "recipes/recipe_file.h"

namespace wazenie {

// Field numbers of material slot k (1 to 7) on a recipe line.
constexpr int name_field(int k) {
    return 2 * k;
}
constexpr int mass_field(int k) {
    return 2 * k + 1;
}

// The scale (1 to 4) that field 1 of a recipe line names; 0 for any other tag.
int line_scale(std::string_view line);

// "1." to "7.": a row's number in the editor's lists.
std::string row_number(std::size_t k);

// The 16-field line of scale s: name, "wagaS", then the list's rows as (material, mass) slots and empty
// slots for the rest. Tabs and line breaks in the texts become spaces so that no field can shift.
std::string recipe_line(const std::string& name, int s, const MaterialList& list);

}  // namespace wazenie
