#include "reports/name_sums.h"

#include <cmath>

namespace wazenie {

void NameSums::merge(const NameSums& later) {
    for (std::size_t i = 0; i < scales.size(); ++i) {
        scales[i].target += later.scales[i].target;
        scales[i].dosed += later.scales[i].dosed;
        scales[i].processes += later.scales[i].processes;
    }
    processes += later.processes;
    doses += later.doses;
    outside += later.outside;
    if (later.judged == 0) {
        return;
    }
    if (judged == 0) {
        mean = later.mean;
        squares = later.squares;
        largest = later.largest;
    } else {
        // The running mean and squares of both runs together (Chan, Golub and LeVeque).
        const double both = static_cast<double>(judged) + later.judged;
        const double delta = later.mean - mean;
        mean += delta * later.judged / both;
        squares += later.squares + delta * delta * judged * later.judged / both;
        if (std::fabs(later.largest) > std::fabs(largest)) {
            largest = later.largest;
        }
    }
    judged += later.judged;
}

}  // namespace wazenie
