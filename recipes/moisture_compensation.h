#pragma once

#include <string>
#include <vector>

#include "core/process_records.h"
#include "core/result.h"
#include "storage/batch_card.h"
#include "storage/material_kinds.h"
#include "storage/moisture.h"

namespace wazenie {

// On the masses scaled to the process's total (before the cycles are split): each aggregate with a
// moisture becomes dry * (1 + w/100), rounded to its scale's precision, and the water it brings is
// taken off the water materials in proportion to their masses, so the total stays what it was.
// Gives every material's dry and wet target; an error (its message for the operator) when the aggregates
// bring more water than the recipe holds, and then `q` is left as it was.
Result<std::vector<DryTarget>> compensate_moisture(ProcessState& q, const MaterialKinds& kinds,
                                                   const MoistureTable& moisture);

// Whether any aggregate of the scaled recipe has a moisture above 0.
bool moisture_counts(const ProcessState& q, const MaterialKinds& kinds, const MoistureTable& moisture);

}  // namespace wazenie
