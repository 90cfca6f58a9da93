#pragma once

#include <optional>
#include <vector>

#include "core/process_records.h"
#include "storage/batch_card.h"

namespace wazenie {

// The water/cement ratio (see WaterCementSum) of what has been dosed in `cycle`, or over the whole
// process for 0, each material counted with the kind and moisture `materials` give its scale and place.
// Nothing while no cement has been dosed.
std::optional<double> water_cement_ratio(const ProcessState& p, const std::vector<DryTarget>& materials,
                                         int cycle);

}  // namespace wazenie
