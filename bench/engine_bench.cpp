#include <functional>
#include <string>

#include "comm/serial_link.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/scratch_dir.h"
#include "station/station.h"

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

// A port that takes every frame and keeps none, so a long run measures the station, not a buffer.
class DiscardingLink final : public SerialLink {
public:
    bool open(const std::string&, int) override { return true; }
    bool is_open() const override { return true; }
    std::size_t write(const std::string& bytes) override {
        ++frames;
        return bytes.size();
    }
    std::string read(std::size_t) override { return {}; }
    void close() override {}
    void on_bytes_arrived(std::function<void()>) override {}
    long frames = 0;
};

struct BenchStation {
    testing::ScratchDir dir;
    DiscardingLink link;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    testing::FakeDisplay display;
    Station station{dir.path(), link, clock, dialogs, display};
    ProcessState& p = station.process();

    BenchStation() {
        station.start_up();
        station.log_in("ADMINISTRATOR");
        for (weight_record& w : p.w) {
            w.weight_enabled = true;
            w.max_material = 3;
            w.recipe_total_weight_c1 = 300;
            for (int j = 1; j <= 3; ++j) {
                w.m[j].recipe_weight_c1 = 100;
            }
        }
    }
};

// Waiting for an answer: the tick only counts and compares.
void BM_idle_main_tick(benchmark::State& state) {
    BenchStation b;
    b.p.r.cp_status = line_status::SEND;
    b.station.settings().rs_timeout = 2147483647;
    for (auto _ : state) {
        b.station.main_tick();
    }
    benchmark::DoNotOptimize(b.p.r.cp_tick);
}
BENCHMARK(BM_idle_main_tick);

void BM_tick_sending_weight_question(benchmark::State& state) {
    BenchStation b;
    const int delay = b.station.settings().rs_delay;
    for (auto _ : state) {
        b.p.r.cp_status = line_status::RECEIVED;
        b.p.r.cp_time = b.p.r.cp_tick - delay;
        b.station.main_tick();
    }
    state.counters["frames"] = static_cast<double>(b.link.frames);
}
BENCHMARK(BM_tick_sending_weight_question);

void BM_on_weight_answer(benchmark::State& state) {
    BenchStation b;
    int material = 1;
    double mass = 0;
    for (auto _ : state) {
        b.station.on_weight_answer(2, material, 1, 0, mass);
        material = material % 3 + 1;
        mass += 0.5;
    }
    state.counters["scale_refreshes"] = static_cast<double>(b.display.scales);
}
BENCHMARK(BM_on_weight_answer);

}  // namespace
}  // namespace wazenie
