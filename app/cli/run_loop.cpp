#include "app/cli/run_loop.h"

#include <chrono>
#include <functional>

#include "app/cli/unattended_simulation.h"
#include "comm/simulation.h"
#include "platform/stop_signals.h"
#include "station/station.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace wazenie {

namespace {

LoopOutcome run_until(Station& station, Simulation* simulation, std::optional<double> timeout_seconds,
                      const std::function<bool()>& finished) {
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
        if (finished()) {
            outcome.finished = true;
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

}  // namespace

LoopOutcome run_until_process_ends(Station& station, Simulation* simulation,
                                   std::optional<double> timeout_seconds) {
    // The tick that sets the stop time has also appended the process to the month's log.
    return run_until(station, simulation, timeout_seconds, [&station] {
        return station.process().r.stop_time != 0 || station.weight_doc_refused();
    });
}

LoopOutcome run_until_command_sent(Station& station, std::optional<double> timeout_seconds) {
    return run_until(station, nullptr, timeout_seconds,
                     [&station] { return station.process().cpq.status == command_status::EMPTY; });
}

}  // namespace wazenie
