#include "platform/stop_signals.h"

#include <csignal>

namespace wazenie {

namespace {

volatile std::sig_atomic_t stop_requested = 0;

extern "C" void on_stop_signal(int) {
    stop_requested = 1;
}

}  // namespace

void catch_stop_signals() {
    std::signal(SIGINT, on_stop_signal);
    std::signal(SIGTERM, on_stop_signal);
}

bool stop_signal_received() {
    return stop_requested != 0;
}

}  // namespace wazenie
