#include "ui/display_throttle.h"

#include <utility>

namespace wazenie {

DisplayThrottle::DisplayThrottle(Display& window, int interval_ms)
    : window_(window), interval_ms_(interval_ms) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &DisplayThrottle::flush);
}

void DisplayThrottle::refresh_connection() {
    connection_ = true;
    request();
}

void DisplayThrottle::refresh_technical() {
    technical_ = true;
    request();
}

void DisplayThrottle::refresh_scales(int view_cycle) {
    scales_ = true;
    view_cycle_ = view_cycle;
    request();
}

void DisplayThrottle::refresh_process() {
    process_ = true;
    flush();
}

void DisplayThrottle::refresh_layout() {
    flush();
    window_.refresh_layout();
}

void DisplayThrottle::apply_rights() {
    flush();
    window_.apply_rights();
}

void DisplayThrottle::request() {
    if (timer_.isActive()) {
        return;
    }
    const qint64 waited = since_last_.isValid() ? since_last_.elapsed() : interval_ms_;
    if (waited >= interval_ms_) {
        flush();
    } else {
        timer_.start(static_cast<int>(interval_ms_ - waited));
    }
}

void DisplayThrottle::flush() {
    timer_.stop();
    since_last_.start();
    // The process panel refreshes the scale panels for the shown cycle itself.
    const bool process = std::exchange(process_, false);
    const bool scales = std::exchange(scales_, false);
    if (process) {
        window_.refresh_process();
    } else if (scales) {
        window_.refresh_scales(view_cycle_);
    }
    if (std::exchange(connection_, false)) {
        window_.refresh_connection();
    }
    if (std::exchange(technical_, false)) {
        window_.refresh_technical();
    }
}

}  // namespace wazenie
