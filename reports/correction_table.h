#pragma once

#include "core/process_records.h"
#include "reports/table_output.h"
#include "storage/learned_corrections.h"

namespace wazenie {

// What was learned in the order the settings window and the CLI show it: by scale, then by material
// name in Polish alphabetical order.
LearnedCorrections sorted_corrections(LearnedCorrections corrections);

// "Waga", "Materiał", "Korekta [kg]", "Dozowań": a row an entry, in the order given, each mass with
// its scale's precision.
TextTable corrections_table(const LearnedCorrections& corrections, const Scales& w);

}  // namespace wazenie
