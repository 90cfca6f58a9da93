#pragma once

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/indexed_array.h"
#include "core/process_records.h"
#include "qt/event_wait.h"
#include "station/station.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace wazenie::testing {

// The operator at the simulation's toggles: a scale's tank is opened once its reading has reached the
// cycle's mass, and closed again once the system has moved on from that cycle (or the process ended).
class SimulatingOperator {
public:
    explicit SimulatingOperator(TForm1& window) : window_(window) {}

    void step() {
        const ProcessState& p = window_.station().process();
        for (int n = 1; n <= kScales; ++n) {
            const weight_record& w = p.w[n];
            auto* open = window_.findChild<QPushButton*>(QStringLiteral("SBweight%1_open").arg(n));
            if (!w.weight_enabled || open == nullptr) {
                continue;
            }
            const double target = cycle_mass(w.recipe_total_weight_c1, w.recipe_total_weight_clast,
                                             w.curr_cycle, p.r.total_cycle);
            if (!open->isChecked() && w.curr_cycle_status == cycle_status::STARTED &&
                w.curr_weight[w.curr_cycle] >= target) {
                open->click();
                opened_in_[n] = p.r.curr_cycle;
            } else if (open->isChecked() && (p.r.curr_cycle > opened_in_[n] || p.r.stop_time != 0)) {
                open->click();
            }
        }
    }

private:
    TForm1& window_;
    IndexedArray<int, kScales> opened_in_{};
};

// Switches the automatic answers on for every enabled scale (a quarter of its cycle's mass per
// question), presses "  Start" and works the toggles until `ended` holds; false when time ran out.
inline bool simulate_process(TForm1& window, const std::function<bool()>& ended, int ms = 60000) {
    const ProcessState& p = window.station().process();
    for (int n = 1; n <= kScales; ++n) {
        window.findChild<QCheckBox*>(QStringLiteral("CBweight%1_auto").arg(n))
            ->setChecked(p.w[n].weight_enabled);
        const double per_question = std::ceil(p.w[n].recipe_total_weight_c1 / 4);
        window.findChild<QSpinBox*>(QStringLiteral("SEweight%1_auto_delta").arg(n))
            ->setValue(static_cast<int>(std::max(per_question, 1.0)));
    }
    window.findChild<QPushButton*>(QStringLiteral("SBstart"))->click();
    SimulatingOperator at_the_toggles(window);
    QTimer toggles;
    QObject::connect(&toggles, &QTimer::timeout, [&] { at_the_toggles.step(); });
    toggles.start(10);
    return wait_for(ended, ms);
}

}  // namespace wazenie::testing
