#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "fakes/scratch_dir.h"

#include <benchmark/benchmark.h>

namespace wazenie::bench {

inline constexpr int kProcessesPerMonth = 6000;

// A year of monthly logs (12 x 6000 processes of four scales, two or three materials each, three
// cycles, every dose a little over its target) written with the program's own record writer, and the
// client file.
struct SyntheticYear {
    testing::ScratchDir dir;
    std::string files;  // the logs, quoted for a shell
    double megabytes = 0;

    SyntheticYear();
};

// Made once for the whole run.
const SyntheticYear& synthetic_year();

// The time of `grep -c` over the year's logs, the mean of three runs.
double grep_seconds();

// The process's peak resident memory, and forgetting the peak so far (the generation of the logs) so
// that the figure is that of what is measured; 0 and nothing where the system does not tell.
double peak_megabytes();
void reset_peak();

// Times `pass` (one reading of the whole year, returning how many rows it made) on every iteration
// and reports beside its mean time in ms (counter `what`_ms) `grep -c` on the same logs, the ratio of
// the two, the rows (counter `rows`), the logs' size and the peak memory of the passes.
void time_over_the_year(benchmark::State& state, const std::string& what, const std::string& rows,
                        const std::function<std::size_t()>& pass);

}  // namespace wazenie::bench
