#pragma once

#include <array>
#include <cstdint>
#include <limits>

#include "core/process_records.h"
#include "reports/production_analysis.h"

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
    // A finished dose against the name's tolerance.
    void judge(double tolerance, double target, double dosed);
    // Adds the sums of a run that follows in the log; its processes are others than these.
    void merge(const NameSums& later);
};

}  // namespace wazenie
