#pragma once

#include <string>

#include "core/change_journal.h"
#include "recipes/recipe_file.h"

namespace wazenie {

// The audit trail's line for a store_recipe (its four cases): a recipe added, deleted, copied, or its
// materials before and after ("waga 1: CEMENT 300; woda 150 | waga 2: ...").
Change recipe_change(const std::string& old_name, const std::string& new_name, const RecipeLists& before,
                     const RecipeLists& after);

}  // namespace wazenie
