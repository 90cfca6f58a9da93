#pragma once

#include <string>
#include <vector>

#include "core/process_records.h"
#include "reports/process_water_cement.h"
#include "storage/batch_card.h"

namespace wazenie {

// "0.48 (cykl 2: 0.47)" for the process and the cycle `shown` (a cycle without cement leaves its part
// out); empty while the process has no cement.
std::string water_cement_text(const ProcessState& p, const std::vector<DryTarget>& materials, int shown);

}  // namespace wazenie
