#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/process_records.h"
#include "storage/batch_card.h"

namespace wazenie {

// The water/cement ratio (see WaterCementSum) of what has been dosed in `cycle`, or over the whole
// process for 0. Nothing while no cement has been dosed.
std::optional<double> water_cement_ratio(const ProcessState& p, const std::vector<DryTarget>& materials,
                                         int cycle);

// "0.48 (cykl 2: 0.47)" for the process and the cycle `shown` (a cycle without cement leaves its part
// out); empty while the process has no cement.
std::string water_cement_text(const ProcessState& p, const std::vector<DryTarget>& materials, int shown);

}  // namespace wazenie
