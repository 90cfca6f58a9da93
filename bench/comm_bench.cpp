#include "station/line_on_fakes.h"

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

class NullSink : public AnswerSink {
public:
    void on_acknowledgement(char, int) override {}
    void on_weight_answer(int, int, int, int, double mass) override { benchmark::DoNotOptimize(mass); }
};

struct Line : testing::ScriptedLine<NullSink> {
    Line() {
        p.r.cp_weight_num = 1;
        p.r.cp_msg = CP_MSG_WEIGHT_QUESTION;
    }
};

// One valid weight answer, checked, logged and handed on.
void BM_HandleWeightAnswer(benchmark::State& state) {
    Line line;
    const std::string frame = weight_answer_frame(1, 0x11, "    100.0");
    for (auto _ : state) {
        line.exchange.handle_answer(frame);
    }
}
BENCHMARK(BM_HandleWeightAnswer);

// A 64-byte read: four weight answers with their CR LF and a few bytes of the next one.
void BM_ReceiveBytes64(benchmark::State& state) {
    Line line;
    std::string read;
    while (read.size() + 15 <= 64) {
        read += weight_answer_frame(1, 0x11, "    100.0") + "\r\n";
    }
    read.resize(64, ' ');
    for (auto _ : state) {
        line.exchange.restart();
        line.link.input = read;
        line.exchange.receive_bytes();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 64);
}
BENCHMARK(BM_ReceiveBytes64);

}  // namespace
}  // namespace wazenie
