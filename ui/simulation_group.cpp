#include "ui/simulation_group.h"

#include <limits>

#include "comm/simulation.h"
#include "ui/simulation_help.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace wazenie {

SimulationGroup::SimulationGroup(Simulation& simulation, QWidget* parent)
    : QGroupBox(QStringLiteral("SYMULACJA: "), parent), simulation_(simulation) {
    setObjectName(QStringLiteral("SBsymul_auto"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 4);
    for (int n = 1; n <= kScales; ++n) {
        row->addWidget(make_scale(n), 1);
    }
    auto* help = new QPushButton(QStringLiteral("Pomoc"), this);
    help->setObjectName(QStringLiteral("BitBtn1"));
    connect(help, &QPushButton::clicked, this, [this] {
        TFsimul_help dialog(this);
        dialog.exec();
    });
    row->addWidget(help);
}

QWidget* SimulationGroup::make_scale(int n) {
    auto* box = new QWidget(this);
    SimulatedScale& scale = simulation_.scales[n];
    const QString digit = QString::number(n);

    auto* on = new QCheckBox(QStringLiteral("włącz symul. dla wagi: ") + digit, box);
    on->setObjectName(QStringLiteral("CBweight%1_auto").arg(n));
    on->setChecked(scale.auto_answer);
    connect(on, &QCheckBox::toggled, this, [this, n](bool checked) {
        simulation_.scales[n].auto_answer = checked;
        emit auto_answers_switched();
    });

    // Any whole number is accepted: the growth may also be zero or negative.
    auto* delta = new QSpinBox(box);
    delta->setObjectName(QStringLiteral("SEweight%1_auto_delta").arg(n));
    delta->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    delta->setValue(scale.delta);
    delta->setAlignment(Qt::AlignRight);
    delta->setMinimumWidth(delta->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 30);
    delta->setMaximumWidth(delta->minimumWidth() + 20);
    connect(delta, &QSpinBox::valueChanged, this,
            [this, n](int value) { simulation_.scales[n].delta = value; });
    auto* label = new QLabel(QStringLiteral("przyrost: "), box);
    label->setBuddy(delta);

    auto* open = new QPushButton(QStringLiteral("otwórz zbio."), box);
    open->setObjectName(QStringLiteral("SBweight%1_open").arg(n));
    open->setCheckable(true);
    open->setChecked(scale.tank_open);
    connect(open, &QPushButton::clicked, this, [this, n](bool down) { simulation_.set_tank_open(n, down); });

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(on, 0, 0, 1, 3);
    grid->addWidget(label, 1, 0);
    grid->addWidget(delta, 1, 1);
    grid->addWidget(open, 1, 2);
    grid->setColumnStretch(3, 1);
    return box;
}

}  // namespace wazenie
