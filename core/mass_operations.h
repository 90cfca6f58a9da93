#pragma once

#include "core/process_records.h"

namespace wazenie {

// Scale 0 means all four scales; cycle 0 means cycles 1..r.total_cycle.
void reset_masses(ProcessState& p, int scale, int cycle);
void recompute_scale_totals(ProcessState& p, int scale, bool copy_to_gross);
void recompute_process_total(ProcessState& p);
// Back to the beginning of the process: every scale in cycle 1, not started, no material, its masses
// cleared; no start or stop time; the panels follow the current cycle. The global start and new
// weighing parameters both begin so.
void restart_process(ProcessState& p);

// Scales the loaded recipe to r.recipe_total_weight and splits it into cycles; returns the number
// of cycles needed (not capped at 9).
int split_into_cycles(ProcessState& p);
// The two steps of the split, for a caller that changes the scaled masses between them: each
// material's mass scaled to the total and rounded to its scale's precision; then the scales' and the
// process's totals summed from the materials and each mass split into cycles.
void scale_recipe_to_total(ProcessState& p);
int split_scaled_recipe(ProcessState& p);

}  // namespace wazenie
