#include "app/cli/connection_report.h"

#include <string>

#include "station/window_model.h"

namespace wazenie {

void ConnectionReport::refresh_connection() {
    if (!p_) {
        return;
    }
    for (int n = Scales::first; n <= Scales::last; ++n) {
        const bool lost = connection_view(*p_, n).text == kNoConnectionText;
        if (lost == lost_[n]) {
            continue;
        }
        lost_[n] = lost;
        const std::string scale = "waga " + std::to_string(n) + ": ";
        if (lost) {
            out_ << "ostrzeżenie: " << scale << kNoConnectionText << std::endl;
        } else {
            out_ << "informacja: " << scale << "połączenie z wagą przywrócone" << std::endl;
        }
    }
}

}  // namespace wazenie
