#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/process_records.h"
#include "reports/production_analysis.h"
#include "storage/tolerances.h"

namespace wazenie {

// What the production analysis sums of one material name over a run of processes: the consumption on
// each scale, in thousandths (exact whatever the order of adding), and the accuracy of its finished
// doses. A run of the log is summed on its own thread, and the runs merged in log order.
struct NameSums {
    static constexpr std::uint32_t kNoProcess = std::numeric_limits<std::uint32_t>::max();

    struct OnScale {
        std::int64_t target = 0;
        std::int64_t dosed = 0;
        int processes = 0;
        std::uint32_t last_process = kNoProcess;
    };

    int processes = 0;
    std::uint32_t last_process = kNoProcess;  // of the run, to count each process once
    int doses = 0;
    int judged = 0;
    double mean = 0;  // running mean and sum of squared differences of the judged deviations (Welford)
    double squares = 0;
    double largest = 0;
    int outside = 0;
    std::array<OnScale, kScales> scales{};

    // What went into the mixer on `scale` (1..4) in the run's process `process`.
    void consume(std::uint32_t process, int scale, MassMilli target, MassMilli dosed);
    // A finished dose against the name's tolerance. Both run on every dose of a year: inline, below.
    void judge(double tolerance, double target, double dosed);
    // Adds the sums of a run that follows in the log; its processes are others than these.
    void merge(const NameSums& later);
};

inline void NameSums::consume(std::uint32_t process, int scale, MassMilli target, MassMilli dosed) {
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

inline void NameSums::judge(double tolerance, double target, double dosed) {
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

}  // namespace wazenie
