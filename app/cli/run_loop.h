#pragma once

#include <optional>

namespace wazenie {

class Simulation;
class Station;

struct LoopOutcome {
    bool finished = false;     // what was awaited came; false: the time limit or a stop signal came first
    bool interrupted = false;  // SIGINT or SIGTERM
    long ticks = 0;
    double seconds = 0;
};

// The 9 ms main loop (and the simulation's 20 ms answers) on the Qt event loop, until the process has
// ended or its scales were refused a start for want of a WZ number (nobody is there to press START
// again), the time limit has passed, or a stop signal has come (polled every tick).
LoopOutcome run_until_process_ends(Station& station, Simulation* simulation,
                                   std::optional<double> timeout_seconds);
// The same loop until the pending command has been sent to its scales (or given up).
LoopOutcome run_until_command_sent(Station& station, std::optional<double> timeout_seconds);

}  // namespace wazenie
