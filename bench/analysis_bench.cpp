#include <benchmark/benchmark.h>

#include <chrono>

#include "fakes/fake_dialogs.h"
#include "reports/production_analysis.h"
#include "synthetic_year.h"

namespace wazenie {
namespace {

// The production analysis of a whole year beside `grep -c` over the same logs, and the peak memory of
// making it.
void analysis_over_a_year(benchmark::State& state) {
    const auto& data = bench::synthetic_year();
    testing::FakeDialogs dialogs;
    const Tolerances tolerances;
    bench::reset_peak();
    std::size_t doses = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto analysis =
            analyse_production(data.dir.path(), {"2024-01-01", "2024-12-31", "", ""}, tolerances, dialogs);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        doses = analysis ? analysis->doses.size() : 0;
        benchmark::DoNotOptimize(analysis);
    }
    seconds /= static_cast<double>(state.iterations());
    const double grep = bench::grep_seconds();
    state.counters["doses"] = static_cast<double>(doses);
    state.counters["logs_MB"] = data.megabytes;
    state.counters["analysis_ms"] = seconds * 1000;
    state.counters["grep_c_ms"] = grep * 1000;
    state.counters["times_grep"] = grep > 0 ? seconds / grep : 0;
    state.counters["peak_MB"] = bench::peak_megabytes();
}
BENCHMARK(analysis_over_a_year)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace wazenie
