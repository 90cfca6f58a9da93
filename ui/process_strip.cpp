#include "ui/process_strip.h"

#include "platform/qt_text.h"
#include "station/station.h"
#include "ui/about_box.h"
#include "ui/cycle_group.h"
#include "ui/list_sync.h"
#include "ui/logo.h"
#include "ui/look.h"
#include "ui/tools_group.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace wazenie {

namespace {

void add_row(QGridLayout* grid, int row, const QString& caption, QLabel* value, QWidget* after = nullptr) {
    grid->addWidget(caption_value(new QLabel(caption, value->parentWidget()), value), row, 0);
    grid->addWidget(value, row, 1);
    if (after) {
        grid->addWidget(after, row, 2);
    }
}

}  // namespace

ProcessStrip::ProcessStrip(Station& station, QWidget* parent) : QWidget(parent), station_(station) {
    tools_ = new ToolsGroup(this);
    cycles_ = new CycleGroup(station, this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(make_control());
    row->addWidget(make_params(), 2);
    row->addWidget(make_status(), 3);
    row->addWidget(tools_, 2);
    row->addWidget(cycles_, 3);
}

QPushButton* ProcessStrip::make_button(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QGroupBox* ProcessStrip::make_control() {
    auto* group = new QGroupBox(QStringLiteral("Sterowanie systemem "), this);
    group->setObjectName(QStringLiteral("GBsystem_control"));
    auto* start = make_button(group, QStringLiteral("SBstart"), QStringLiteral("  Start"));
    auto* pause = make_button(group, QStringLiteral("SBpause"), QStringLiteral("  Pauza"));
    auto* stop = make_button(group, QStringLiteral("SBstop"), QStringLiteral("  Stop"));
    connect(start, &QPushButton::clicked, this, [this] { station_.start_process(); });
    connect(pause, &QPushButton::clicked, this, [this] { station_.pause_process(); });
    connect(stop, &QPushButton::clicked, this, [this] { station_.stop_process(); });
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(6, 2, 6, 4);
    for (QPushButton* button : {start, pause, stop}) {
        button->setMinimumHeight(button->sizeHint().height() + 10);
        column->addWidget(button);
    }
    column->addStretch(1);
    return group;
}

QGroupBox* ProcessStrip::make_params() {
    auto* group = new QGroupBox(QStringLiteral("Parametry naważania "), this);
    group->setObjectName(QStringLiteral("GBweight_params"));
    client_ = new QLabel(group);
    client_->setObjectName(QStringLiteral("Lclient"));
    recipe_ = new QLabel(group);
    recipe_->setObjectName(QStringLiteral("Lrecipe"));
    for (QLabel* value : {client_, recipe_}) {
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QString(14, QLatin1Char('M'))));
    }
    params_ = make_button(group, QStringLiteral("BBweight_params"), QStringLiteral(" Parametry naważania"));
    params_->setMinimumHeight(params_->fontMetrics().height() * 2 + 16);
    connect(params_, &QPushButton::clicked, this, &ProcessStrip::weighing_params_requested);

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 4);
    add_row(grid, 0, QStringLiteral("Klient: "), client_);
    add_row(grid, 1, QStringLiteral("Receptura: "), recipe_);
    grid->addWidget(params_, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* ProcessStrip::make_status() {
    auto* group = new QGroupBox(QStringLiteral("Status naważania "), this);
    group->setObjectName(QStringLiteral("GBprocess_status"));
    jest_ = number_label(QStringLiteral("Lcurr_weight"), 10, group);
    ma_byc_ = number_label(QStringLiteral("Lrecipe_total_weight"), 10, group);
    gauge_ = new QProgressBar(group);
    gauge_->setObjectName(QStringLiteral("Gprocess"));
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setAccessibleName(QStringLiteral("Postęp naważania"));
    start_ = number_label(QStringLiteral("Lstart_time"), 23, group);
    stop_ = number_label(QStringLiteral("Lstop_time"), 23, group);
    cycle_ = number_label(QStringLiteral("Lcurr_cycle"), 6, group);
    weight_doc_ = number_label(QStringLiteral("Lweight_doc"), 12, group);
    for (QLabel* text : {start_, stop_, cycle_, weight_doc_}) {
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    cycles_button_ = make_button(group, QStringLiteral("SBchange_cycles"), QStringLiteral("..."));
    cycles_button_->setToolTip(QStringLiteral("Modyfikuj ilość cykli"));
    cycles_button_->setEnabled(false);
    connect(cycles_button_, &QPushButton::clicked, this, [this] { station_.change_total_cycles(); });
    weight_doc_button_ = make_button(group, QStringLiteral("SBchange_weight_doc"), QStringLiteral("..."));
    weight_doc_button_->setToolTip(QStringLiteral("Modyfikuj numer dokumentu WZ"));
    weight_doc_button_->hide();
    connect(weight_doc_button_, &QPushButton::clicked, this, [this] { station_.change_weight_doc(); });
    for (QPushButton* button : {cycles_button_, weight_doc_button_}) {
        button->setAccessibleName(button->toolTip());
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    }

    auto* logo = new QToolButton(group);
    logo->setObjectName(QStringLiteral("Ilogo_maker"));
    logo->setAutoRaise(true);
    logo->setIcon(QIcon(program_logo(48)));
    logo->setIconSize(QSize(48, 48));
    logo->setToolTip(QStringLiteral("O programie..."));
    logo->setAccessibleName(QStringLiteral("O programie..."));
    connect(logo, &QToolButton::clicked, this, [this] {
        TAboutBox_maker about(this);
        about.exec();
    });

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(3);
    auto* jest_kg = new QHBoxLayout;
    jest_kg->addWidget(jest_, 1);
    jest_kg->addWidget(new QLabel(QStringLiteral("kg"), group));
    auto* ma_byc_kg = new QHBoxLayout;
    ma_byc_kg->addWidget(ma_byc_, 1);
    ma_byc_kg->addWidget(new QLabel(QStringLiteral("kg"), group));
    grid->addWidget(caption_value(new QLabel(QStringLiteral("Jest:"), group), jest_), 0, 0);
    grid->addLayout(jest_kg, 0, 1);
    grid->addWidget(caption_value(new QLabel(QStringLiteral("Ma być:"), group), ma_byc_), 1, 0);
    grid->addLayout(ma_byc_kg, 1, 1);
    grid->addWidget(logo, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(gauge_, 2, 0, 1, 3);
    add_row(grid, 3, QStringLiteral("Rozpoczęcie:"), start_);
    add_row(grid, 4, QStringLiteral("Zakończenie:"), stop_);
    add_row(grid, 5, QStringLiteral("Aktualny cykl:"), cycle_, cycles_button_);
    add_row(grid, 6, QStringLiteral("Nr WZ:"), weight_doc_, weight_doc_button_);
    water_cement_ = number_label(QStringLiteral("Lwater_cement"), 18, group);
    water_cement_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    water_cement_caption_ = new QLabel(QStringLiteral("w/c:"), group);
    grid->addWidget(caption_value(water_cement_caption_, water_cement_), 7, 0);
    grid->addWidget(water_cement_, 7, 1);
    for (QLabel* label : {water_cement_caption_, water_cement_}) {
        label->hide();
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(8, 1);
    return group;
}

void ProcessStrip::show_process(const ProcessView& view) {
    if (view_ == view) {
        return;
    }
    view_ = view;
    sync::text(jest_, view.jest);
    sync::value(gauge_, view.gauge);
    sync::text(ma_byc_, view.ma_byc);
    sync::text(start_, view.start);
    sync::text(stop_, view.stop);
    sync::text(cycle_, view.cycle);
    sync::text(weight_doc_, view.weight_doc);
    sync::text(client_, view.client);
    sync::text(recipe_, view.recipe);
    sync::enabled(cycles_button_, view.cycles_button_enabled);
    cycles_->show_number(view.shown_cycle, view.show_current_down);
}

void ProcessStrip::show_total(const std::string& jest, int gauge) {
    // Kept in the last view as well, so a later unchanged process view still matches the screen.
    if (view_) {
        view_->jest = jest;
        view_->gauge = gauge;
    }
    sync::text(jest_, jest);
    sync::value(gauge_, gauge);
}

void ProcessStrip::show_water_cement(const std::string& text) {
    sync::text(water_cement_, text);
    sync::shown(water_cement_, !text.empty());
    sync::shown(water_cement_caption_, !text.empty());
}

void ProcessStrip::show_weight_doc_button(bool shown) {
    sync::shown(weight_doc_button_, shown);
}

void ProcessStrip::two_line_params_caption() {
    params_->setText(QStringLiteral(" Parametry\n naważania"));
}

}  // namespace wazenie
