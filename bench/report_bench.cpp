#include <benchmark/benchmark.h>

#include <chrono>

#include "fakes/fake_dialogs.h"
#include "reports/report_list.h"
#include "synthetic_year.h"

namespace wazenie {
namespace {

void report_over_a_year(benchmark::State& state) {
    const auto& data = bench::synthetic_year();
    testing::FakeDialogs dialogs;
    bench::reset_peak();
    std::size_t rows = 0;
    double report_seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto list = build_report(data.dir.path(), {"2024-01-01", "2024-12-31", "", ""}, 0, dialogs);
        report_seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rows = list ? list->size() : 0;
        benchmark::DoNotOptimize(list);
    }
    report_seconds /= static_cast<double>(state.iterations());
    const double grep = bench::grep_seconds();
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["logs_MB"] = data.megabytes;
    state.counters["report_ms"] = report_seconds * 1000;
    state.counters["grep_c_ms"] = grep * 1000;
    state.counters["times_grep"] = grep > 0 ? report_seconds / grep : 0;
    state.counters["peak_MB"] = bench::peak_megabytes();
}
BENCHMARK(report_over_a_year)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace wazenie
