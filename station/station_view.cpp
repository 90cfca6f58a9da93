#include "station/station_view.h"

#include "core/mass_operations.h"

namespace wazenie {

void StationView::scales(int v) {
    follow_run_modes();
    recompute_process_total(p_);
    display_.refresh_scales(v);
}

void StationView::process() {
    follow_run_modes();
    recompute_process_total(p_);
    display_.refresh_process();
}

void StationView::follow_run_modes() {
    for (int n = 1; n <= kScales; ++n) {
        switch (p_.w[n].curr_status) {
            case run_mode::STOPPED:
                buttons_[n] = ScaleButton::stop;
                break;
            case run_mode::RUNNING:
                buttons_[n] = ScaleButton::start;
                break;
            case run_mode::PAUSED:
                buttons_[n] = ScaleButton::pause;
                break;
            default:
                buttons_[n] = ScaleButton::none;
                break;
        }
    }
}

}  // namespace wazenie
