#include "comm/exchange_log.h"
#include "comm/meter_protocol.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_serial_link.h"

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

class NullSink : public AnswerSink {
public:
    void on_acknowledgement(char, int) override {}
    void on_weight_answer(int, int, int, int, double mass) override { benchmark::DoNotOptimize(mass); }
};

struct Line {
    ProcessState p;
    testing::FakeClock clock;
    ExchangeLog log{clock};
    testing::FakeSerialLink link;
    NullSink sink;
    MeterProtocol protocol{p, link, log, sink};

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
        line.protocol.handle_answer(frame);
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
        line.protocol.clear_received();
        line.link.input = read;
        line.protocol.receive_bytes();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 64);
}
BENCHMARK(BM_ReceiveBytes64);

}  // namespace
}  // namespace wazenie
