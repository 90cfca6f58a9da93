#include <functional>
#include <string>
#include <utility>

#include "comm/meter_frames.h"
#include "comm/serial_link.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/scratch_dir.h"
#include "station/process_edit.h"
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
    std::string read(std::size_t) override { return std::exchange(input_, {}); }
    void close() override {}
    void on_bytes_arrived(std::function<void()> arrived) override { arrived_ = std::move(arrived); }

    // A meter's answer reaching the port.
    void deliver(std::string bytes) {
        input_ = std::move(bytes);
        arrived_();
    }
    long frames = 0;

private:
    std::string input_;
    std::function<void()> arrived_;
};

struct BenchStation {
    testing::ScratchDir dir;
    DiscardingLink link;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    testing::FakeDisplay display;
    Station station{dir.path(), link, clock, dialogs, display};

    BenchStation() {
        station.start_up();
        station.log_in("ADMINISTRATOR");
        testing::edit_process(station, [](ProcessState& p) {
            for (weight_record& w : p.w) {
                w.weight_enabled = true;
                w.max_material = 3;
                w.recipe_total_weight_c1 = 300;
                for (int j = 1; j <= 3; ++j) {
                    w.m[j].recipe_weight_c1 = 100;
                }
            }
        });
    }
};

// Waiting for an answer: the tick only counts and compares.
void BM_idle_main_tick(benchmark::State& state) {
    BenchStation b;
    b.station.settings().rs_timeout = 2147483647;
    b.station.settings().rs_delay = 0;
    b.station.main_tick();  // the question that is never answered
    for (auto _ : state) {
        b.station.main_tick();
    }
    benchmark::DoNotOptimize(b.station.process().r.cp_tick);
}
BENCHMARK(BM_idle_main_tick);

void BM_tick_sending_weight_question(benchmark::State& state) {
    BenchStation b;
    b.station.settings().rs_delay = 0;
    for (auto _ : state) {
        b.station.main_tick();
        // The scale asked answers between two ticks, outside the measured time.
        state.PauseTiming();
        b.link.deliver(weight_answer_frame(b.station.process().r.cp_weight_num, 0, "      0.0") + ";");
        state.ResumeTiming();
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
