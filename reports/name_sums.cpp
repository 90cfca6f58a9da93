#include "reports/name_sums.h"

#include <cmath>

#include "storage/tolerances.h"

namespace wazenie {

void NameSums::consume(std::uint32_t process, int scale, MassMilli target, MassMilli dosed) {
    OnScale& on_scale = scales[static_cast<std::size_t>(scale - 1)];
    on_scale.target += target.milli();
    on_scale.dosed += dosed.milli();
    if (on_scale.last_process != process) {
        on_scale.last_process = process;
        ++on_scale.processes;
    }
    if (last_process != process) {
        last_process = process;
        ++processes;
    }
}

void NameSums::judge(double tolerance, double target, double dosed) {
    ++doses;
    const DoseDeviation d = dose_deviation(target, dosed, tolerance);
    if (!d.percent) {
        return;
    }
    const double p = *d.percent;
    ++judged;
    const double delta = p - mean;
    mean += delta / judged;
    squares += delta * (p - mean);
    if (judged == 1 || std::fabs(p) > std::fabs(largest)) {
        largest = p;
    }
    outside += d.outside ? 1 : 0;
}

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
