#pragma once

#include "core/process_records.h"
#include "station/station.h"

namespace wazenie::testing {

// Gives a station the records a test starts from, the way new weighing parameters reach it: the whole
// process replaced, the status file written and the process redrawn.
template <typename Change>
void edit_process(Station& station, Change&& change) {
    ProcessState p = station.process();
    change(p);
    station.load_weighing_params(p);
}

}  // namespace wazenie::testing
