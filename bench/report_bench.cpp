#include "fakes/fake_dialogs.h"
#include "reports/report_list.h"
#include "synthetic_year.h"

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

void report_over_a_year(benchmark::State& state) {
    testing::FakeDialogs dialogs;
    bench::time_over_the_year(state, "report", "rows", [&] {
        const auto list = build_report(bench::synthetic_year().dir.path(),
                                       {"2024-01-01", "2024-12-31", "", ""}, 0, dialogs);
        return list ? list->rows.size() : 0;
    });
}
BENCHMARK(report_over_a_year)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace wazenie
