#include "fakes/fake_dialogs.h"
#include "reports/production_analysis.h"
#include "synthetic_year.h"

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

// The production analysis of a whole year beside `grep -c` over the same logs, and the peak memory of
// making it.
void analysis_over_a_year(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    const Tolerances tolerances;
    bench::time_over_the_year(state, "analysis", "doses", [&] {
        const auto analysis = analyse_production(bench::synthetic_year().dir.path(),
                                                 {"2024-01-01", "2024-12-31", "", ""}, tolerances, dialogs);
        return analysis ? analysis->doses.size() : 0;
    });
}
BENCHMARK(analysis_over_a_year)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace wazenie
