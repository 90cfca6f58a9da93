#pragma once

#include "core/display.h"
#include "core/indexed_array.h"
#include "core/process_records.h"
#include "station/scale_button.h"

namespace wazenie {

// What the station shows: the refresh calls to the window, and the state of each scale's three
// buttons, which the window only renders.
class StationView {
public:
    StationView(ProcessState& p, Display& display) : p_(p), display_(display) {}

    void connection() { display_.refresh_connection(); }
    void technical() { display_.refresh_technical(); }
    // The scale panels for cycle v (0: each scale's own). The buttons follow the meters' run modes
    // and the process total is brought up to date first, so a window-less station keeps it too.
    void scales(int v);
    // The process panel, which also shows the scale panels for r.view_cycle.
    void process();
    void layout() { display_.refresh_layout(); }
    void rights() { display_.apply_rights(); }

    ScaleButton& button(int scale) { return buttons_[scale]; }
    ScaleButton button(int scale) const { return buttons_[scale]; }

private:
    void follow_run_modes();

    ProcessState& p_;
    Display& display_;
    IndexedArray<ScaleButton, kScales> buttons_{};
};

}  // namespace wazenie
