#pragma once

#include "station/scale_button.h"
#include "station/station_context.h"

namespace wazenie {

// The operator's Start, Pause and Stop, for the whole system and for one scale. None writes to the
// line: each makes one command pending, and only while no earlier command is pending. Every command
// finishes its changes before it opens a box, since the loop goes on inside a modal dialog.
class ProcessCommands {
public:
    explicit ProcessCommands(StationContext& c) : c_(c) {}

    void start_process();
    void pause_process();
    void stop_process();
    // After a restart with nobody at the buttons: the recipe of the system's cycle goes again to the
    // scales that have not taken it. False when status.txt left no unfinished process.
    bool resume_process();
    // A click on one of the three buttons of scale n (1..4).
    void click_scale_button(int scale, ScaleButton button);

private:
    bool refuse_while_pending();
    void spoil_open_doses(const char* reason);
    void start_scale(int scale);
    void pause_scale(int scale, bool released);
    void stop_scale(int scale);

    StationContext& c_;
};

}  // namespace wazenie
