#pragma once

#include "core/process_records.h"

namespace wazenie {

// Makes a command wait for the main loop. A recipe transfer always starts again from its header.
inline void make_pending(pending_command& cpq, int kind, int scale, bool all_weights) {
    cpq.status = command_status::WAITING;
    cpq.msg = kind;
    cpq.timeout_num = 0;
    cpq.rec_part = 0;
    cpq.weight_num = scale;
    cpq.all_weights = all_weights;
}

}  // namespace wazenie
