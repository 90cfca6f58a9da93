#pragma once

#include <functional>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace wazenie::testing {

// Runs the event loop until done() or the time is up; never sleeps past the deadline.
inline bool wait_for(const std::function<bool()>& done, int ms = 5000) {
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

}  // namespace wazenie::testing
