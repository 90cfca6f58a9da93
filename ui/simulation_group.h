#pragma once

#include <QGroupBox>

namespace wazenie {

class Simulation;

// "SYMULACJA: ": per scale the switch of the automatic answers, the growth per question and the
// tank toggle, written straight into the simulation; "Pomoc" opens the simulation's help.
class SimulationGroup final : public QGroupBox {
    Q_OBJECT
public:
    SimulationGroup(Simulation& simulation, QWidget* parent);

signals:
    // A scale's "włącz symul. dla wagi: " was switched.
    void auto_answers_switched();

private:
    QWidget* make_scale(int n);

    Simulation& simulation_;
};

}  // namespace wazenie
