#pragma once

#include "station/station_context.h"

namespace wazenie {

// The operator's changes that reach no meter: the number of cycles, the WZ number and the cycle
// that the window shows.
class RecordEdits {
public:
    explicit RecordEdits(StationContext& c) : c_(c) {}

    // "Modyfikuj ilość cykli" is offered only for a process that the split fitted into one cycle.
    bool can_change_total_cycles() const { return c_.p.r.total_cycle_init == 1; }
    void change_total_cycles();
    void change_weight_doc();
    void show_previous_cycle();
    void show_next_cycle();
    void show_current_cycle();

private:
    void set_total_cycles(int n);
    void show_view_cycle();

    StationContext& c_;
};

}  // namespace wazenie
