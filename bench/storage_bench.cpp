#include <string>

#include "fakes/scratch_dir.h"
#include "storage/date_time.h"
#include "storage/process_file.h"
#include "storage/text_file.h"

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

constexpr int kRecords = 6000;

// Four scales of three materials each, in the third of three cycles.
ProcessState logged_process(int k) {
    ProcessState p;
    p.r.weight_doc = "WZ/" + std::to_string(k) + "/03/2024";
    p.r.start_time = *make_date_time({2024, 3, 1 + k % 28, 6, k % 60, 0, 0});
    p.r.stop_time = p.r.start_time + 0.02;
    p.r.curr_cycle = p.r.total_cycle = 3;
    p.r.recipe_name = "B20";
    p.r.recipe_client = "KLIENT";
    p.r.user_name = "OPERATOR";
    for (int n = 1; n <= kScales; ++n) {
        weight_record& w = p.w[n];
        w.precision = 1;
        w.curr_cycle = 3;
        w.max_material = 3;
        for (int j = 1; j <= 3; ++j) {
            w.m[j].material_name = "Żwir 2-8";
            for (int c = 1; c <= 3; ++c) {
                w.m[j].curr_weight[c] = 100.0 + n + j + c * 0.1;
            }
        }
    }
    return p;
}

void BM_AppendRecordToMonthLog(benchmark::State& state) {
    testing::ScratchDir dir;
    const auto log = dir / "202403.txt";
    const Settings settings;
    const ProcessState p = logged_process(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(save_process(p, settings, log, true));
    }
}
BENCHMARK(BM_AppendRecordToMonthLog)->Unit(benchmark::kMicrosecond);

void BM_FindLastRecordOf6000(benchmark::State& state) {
    testing::ScratchDir dir;
    const Settings settings;
    std::vector<std::string> lines = process_header_lines();
    for (int k = 1; k <= kRecords; ++k) {
        for (auto& line : process_record_lines(logged_process(k), settings)) {
            lines.push_back(std::move(line));
        }
    }
    text_file::write_lines(dir / "202403.txt", lines);
    const ProcessState last = logged_process(kRecords);
    const std::string start = file_date_time(last.r.start_time);
    ProcessState p;
    for (auto _ : state) {
        if (!load_process(p, dir.path(), "202403", last.r.weight_doc, start)) {
            state.SkipWithError("record not found");
            break;
        }
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_FindLastRecordOf6000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace wazenie
