#pragma once

#include <string>
#include <vector>

#include "reports/analysis_output.h"

namespace wazenie {

// A view of an analysis as cells: the printout aligns them, the CSV joins them. Numbers are written
// with a point; `numeric` columns are right-aligned on paper and get a decimal comma in CSV.
struct AnalysisTable {
    std::vector<std::string> titles;
    std::vector<bool> numeric;
    std::vector<std::vector<std::string>> rows;
};

// Material, scale, target, dosed, difference and processes; a name's total on several scales has
// "razem" for its scale.
AnalysisTable consumption_table(const AnalysisSheet& sheet);
// Per material: doses, mean, standard deviation, largest deviation, tolerance, doses outside it.
AnalysisTable accuracy_table(const AnalysisSheet& sheet);
// The finished doses outside their tolerance, in log order, with the process that dosed them.
AnalysisTable outside_doses_table(const AnalysisSheet& sheet);
// Every finished dose with the whole process, its deviation, tolerance and "TAK" when outside.
AnalysisTable doses_table(const AnalysisSheet& sheet);
// Dosed mass and processes per day, then the total.
AnalysisTable daily_table(const AnalysisSheet& sheet);

}  // namespace wazenie
