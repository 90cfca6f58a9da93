#pragma once

#include <string>
#include <vector>

#include "reports/analysis_output.h"

namespace wazenie {

// Material, scale, target, dosed, difference and processes; a name's total on several scales has
// "razem" for its scale.
TextTable consumption_table(const AnalysisSheet& sheet);
// Per material: doses, mean, standard deviation, largest deviation, tolerance, doses outside it.
TextTable accuracy_table(const AnalysisSheet& sheet);
// The finished doses outside their tolerance, in log order, with the process that dosed them.
TextTable outside_doses_table(const AnalysisSheet& sheet);
// Every finished dose with the whole process, its deviation, tolerance and "TAK" when outside.
TextTable doses_table(const AnalysisSheet& sheet);
// Dosed mass and processes per day, then the total.
TextTable daily_table(const AnalysisSheet& sheet);

}  // namespace wazenie
