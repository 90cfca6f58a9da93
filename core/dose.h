#pragma once

#include "core/process_records.h"

namespace wazenie {

// Whether the dose of `material` (1..7) in `cycle` of a scale has ended, as far as its record tells:
// the scale has gone past that cycle; or, in the cycle it is at, its tank is being emptied or is done;
// or the meter has moved on to a later material (meters dose their materials in order).
inline bool dose_finished(const weight_record& w, int material, int cycle) {
    if (cycle != w.curr_cycle) {
        return cycle < w.curr_cycle;
    }
    switch (w.curr_cycle_status) {
        case cycle_status::OPEN_TRAY:
        case cycle_status::COMPLETED:
            return true;
        case cycle_status::STARTED:
            return material < w.curr_material;
        default:
            return false;
    }
}

}  // namespace wazenie
