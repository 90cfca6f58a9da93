#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "reports/production_analysis.h"

namespace wazenie::bench {

// The doses with a target against their material's tolerance; deviations in percent, sign kept.
struct DeviationFigures {
    int judged = 0;
    int outside = 0;
    double mean = 0;
    double largest = 0;  // of largest magnitude
};

// What a material's orders missed by: in each process, the sum dosed less the sum targeted over its
// cycles, in kg, sign kept.
struct OrderError {
    std::string material_name;
    double mean = 0;
    double largest = 0;  // of largest magnitude
};

struct DoseFigures {
    int doses = 0;
    int cycles = 0;  // the most of any process
    DeviationFigures deviations;
    std::vector<OrderError> order_errors;  // in the analysis' order of the material names
};

// The figures of the finished doses of the processes from `first_process` (from 0) on.
DoseFigures dose_figures(const ProductionAnalysis& analysis, std::size_t first_process);

}  // namespace wazenie::bench
