#include "bench/soak/dose_figures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <utility>

namespace wazenie::bench {

namespace {

double of_larger_magnitude(double a, double b) {
    return std::fabs(b) > std::fabs(a) ? b : a;
}

struct OrderSums {
    double total = 0;
    int orders = 0;
    double largest = 0;
};

}  // namespace

DoseFigures dose_figures(const ProductionAnalysis& analysis, std::size_t first_process) {
    DoseFigures figures;
    DeviationFigures& deviations = figures.deviations;
    double percent_sum = 0;
    std::map<std::pair<std::uint16_t, std::uint32_t>, double> order_error;  // by material, process
    for (const Dose& dose : analysis.doses) {
        if (dose.process < first_process) {
            continue;
        }
        ++figures.doses;
        figures.cycles = std::max<int>(figures.cycles, dose.cycle);
        const DoseDeviation deviation = deviation_of(dose, analysis);
        order_error[{dose.material, dose.process}] += deviation.kg;
        if (deviation.percent) {
            ++deviations.judged;
            deviations.outside += deviation.outside ? 1 : 0;
            percent_sum += *deviation.percent;
            deviations.largest = of_larger_magnitude(deviations.largest, *deviation.percent);
        }
    }
    deviations.mean = deviations.judged > 0 ? percent_sum / deviations.judged : 0;

    std::map<std::uint16_t, OrderSums> by_material;
    for (const auto& [key, kg] : order_error) {
        OrderSums& sums = by_material[key.first];
        sums.total += kg;
        ++sums.orders;
        sums.largest = of_larger_magnitude(sums.largest, kg);
    }
    for (const auto& [material, sums] : by_material) {
        figures.order_errors.push_back(
            {analysis.material_names.at(material), sums.total / sums.orders, sums.largest});
    }
    return figures;
}

}  // namespace wazenie::bench
