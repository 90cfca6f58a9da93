#include "pty_bridge.h"

#include <cerrno>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace wazenie::testing {

PtyBridge::PtyBridge() {
    ok_ = true;
    for (End& end : ends_) {
        char name[256] = {};
        termios raw{};
        cfmakeraw(&raw);
        if (openpty(&end.master, &end.slave, name, &raw, nullptr) != 0) {
            ok_ = false;
            return;
        }
        end.device = name;
        fcntl(end.master, F_SETFL, fcntl(end.master, F_GETFL) | O_NONBLOCK);
    }
    for (int i = 0; i < 2; ++i) {
        End& from = ends_[i];
        End& to = ends_[1 - i];
        from.notifier = std::make_unique<QSocketNotifier>(from.master, QSocketNotifier::Read);
        QObject::connect(from.notifier.get(), &QSocketNotifier::activated,
                         [this, &from, &to] { pump(from, to); });
    }
}

PtyBridge::~PtyBridge() {
    for (End& end : ends_) {
        end.notifier.reset();
        if (end.master >= 0) {
            ::close(end.master);
        }
        if (end.slave >= 0) {
            ::close(end.slave);
        }
    }
}

void PtyBridge::pump(End& from, End& to) {
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(from.master, buffer, sizeof buffer);
        if (n <= 0) {
            return;
        }
        ssize_t done = 0;
        while (done < n) {
            const ssize_t w = ::write(to.master, buffer + done, static_cast<size_t>(n - done));
            if (w < 0 && errno != EAGAIN && errno != EINTR) {
                return;
            }
            done += w > 0 ? w : 0;
        }
    }
}

}  // namespace wazenie::testing
