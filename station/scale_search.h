#pragma once

#include "core/process_records.h"

namespace wazenie {

// Which scales a search accepts.
enum class ScaleCriterion {
    enabled,      // weight_enabled
    with_recipe,  // enabled and max_material above 0
    recipe_due,   // enabled, with a recipe, and still to receive the recipe of the system's cycle
};

// The lowest-numbered scale that qualifies, or 0 when none does. Here "recipe due" also takes a
// scale that has fallen behind the system's cycle.
int first_scale(const ProcessState& p, ScaleCriterion criterion);

// The first scale after `from` in the circular order 1, 2, 3, 4, 1, ... that qualifies; `from`
// itself when the search comes back round to it (0 starts at scale 1 and gives 0 when none qualifies).
int next_scale(const ProcessState& p, int from, ScaleCriterion criterion);

// Every enabled scale at the system's cycle has completed it (scales a cycle ahead do not count).
bool cycle_completed(const ProcessState& p);

}  // namespace wazenie
