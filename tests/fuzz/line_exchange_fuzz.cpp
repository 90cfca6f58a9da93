// Bytes from the line, arriving in pieces of any size, while the station awaits a weight or a
// command's acknowledgement from any scale.
#include "station/line_on_fakes.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wazenie;
    FuzzedDataProvider input(data, size);
    testing::ScriptedLine<> line;
    ProcessState& p = line.p;

    const int scale = input.ConsumeIntegralInRange(0, 5);
    const int kind = input.ConsumeIntegralInRange(0, 8);
    p.r.cp_weight_num = scale;
    p.r.cp_msg = kind;
    p.r.cp_status = line_status::SEND;
    if (input.ConsumeBool()) {
        p.cpq.status = command_status::SEND;
        p.cpq.weight_num = scale;
        p.cpq.msg = kind;
    }
    while (input.remaining_bytes() > 0) {
        line.link.input += input.ConsumeRandomLengthString(2 * FrameSplitter::kMaxFrame);
        line.exchange.receive_bytes();
    }
    return 0;
}
