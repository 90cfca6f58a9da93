#include "reports/books_check.h"
#include "storage/month_chain.h"
#include "synthetic_year.h"

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

// The year's logs signed whole, once, then checked against their chains as `weryfikuj` checks them.
void verify_a_year(benchmark::State& state) {
    const auto& data = bench::synthetic_year().dir.path();
    static const bool signed_once = [&] {
        MonthChainWriter chain;
        for (int month = 1; month <= 12; ++month) {
            chain.sign_appended(data, std::to_string(202400 + month), BookKind::log, 0);
        }
        return true;
    }();
    benchmark::DoNotOptimize(signed_once);
    bench::time_over_the_year(state, "weryfikuj", "lines", [&] {
        const BookReport report = check_books(data, 202401, 202412);
        return report.tampered ? 0 : report.lines.size();
    });
}
BENCHMARK(verify_a_year)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace wazenie
