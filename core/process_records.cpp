#include "core/process_records.h"

namespace wazenie {

void ProcessState::set_start_values() {
    r = recipe_record{};
    for (int n = 1; n <= kScales; ++n) {
        w[n] = weight_record{};
    }
    cpq = pending_command{};
}

}  // namespace wazenie
