#include "app/cli/run_loop.h"

#include <chrono>

#include "app/cli/unattended_simulation.h"
#include "comm/simulation.h"
#include "platform/stop_signals.h"
#include "station/station.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace wazenie {

LoopOutcome run_until_process_ends(Station& station, Simulation* simulation,
                                   std::optional<double> timeout_seconds) {
    LoopOutcome outcome;
    QEventLoop loop;
    QElapsedTimer clock;

    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(std::chrono::milliseconds(9));
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (stop_signal_received()) {
            outcome.interrupted = true;
            loop.quit();
            return;
        }
        if (!station.timer_enabled()) {
            return;
        }
        station.main_tick();
        ++outcome.ticks;
        // The tick that sets the stop time has also appended the process to the month's log.
        if (station.process().r.stop_time != 0) {
            outcome.process_ended = true;
            loop.quit();
        }
    });

    QTimer answers;
    answers.setTimerType(Qt::PreciseTimer);
    answers.setInterval(std::chrono::milliseconds(20));
    if (simulation) {
        QObject::connect(&answers, &QTimer::timeout, [simulation] { simulation->auto_answer_tick(); });
    }

    QTimer limit;
    limit.setSingleShot(true);
    if (timeout_seconds) {
        limit.setInterval(std::chrono::milliseconds(static_cast<long long>(*timeout_seconds * 1000)));
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit.start();
    }

    clock.start();
    tick.start();
    if (simulation) {
        answers.start();
    }
    loop.exec();
    outcome.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return outcome;
}

}  // namespace wazenie
