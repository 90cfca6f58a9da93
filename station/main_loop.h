#pragma once

#include <cstdint>

#include "station/station_context.h"

namespace wazenie {

// One tick of the 9 ms main loop: at most one frame leaves per tick. In this order: the time-out
// of the request on the line, the end of the process, the next cycle, the pending command or the
// next weight question.
class MainLoop {
public:
    explicit MainLoop(StationContext& c) : c_(c) {}

    void tick();

private:
    // Each step returns true when it has ended the tick. d: ticks since the last send or receive.
    bool end_process(std::int32_t d);
    bool next_cycle(std::int32_t d);
    void send(std::int32_t d);
    void send_command();
    void ask_for_weight();

    StationContext& c_;
};

}  // namespace wazenie
