#include "ui/technical_panel.h"

#include "comm/exchange_log.h"
#include "comm/simulation.h"
#include "platform/qt_text.h"
#include "station/station.h"
#include "station/window_model.h"
#include "ui/list_sync.h"
#include "ui/look.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

constexpr int kLogBatchMs = 150;

QSpinBox* spin(const QString& name, int low, int high, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QLineEdit* edit(const QString& name, const std::string& value, QWidget* parent) {
    auto* field = new QLineEdit(to_qt(value), parent);
    field->setObjectName(name);
    field->setMaxLength(9);
    field->setFont(number_font());
    field->setMinimumWidth(QFontMetrics(field->font()).horizontalAdvance(QString(11, QLatin1Char('0'))));
    return field;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

TechnicalPanel::TechnicalPanel(Station& station, Simulation& simulation, QWidget* parent)
    : QFrame(parent), station_(station), simulation_(simulation) {
    setObjectName(QStringLiteral("Plog"));
    setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(make_log(), 3);
    row->addWidget(make_manual());
    row->addWidget(make_view(), 1);

    QPointer<TechnicalPanel> self(this);
    station_.exchange_log().add_observer({[self](const std::string& line) {
                                              if (self) {
                                                  self->line_added(line);
                                              }
                                          },
                                          [self] {
                                              if (self) {
                                                  self->log_cleared();
                                              }
                                          }});
    pending_timer_.setSingleShot(true);
    pending_timer_.setInterval(kLogBatchMs);
    connect(&pending_timer_, &QTimer::timeout, this, &TechnicalPanel::show_pending_lines);
}

QWidget* TechnicalPanel::make_log() {
    auto* box = new QWidget(this);
    log_ = new QPlainTextEdit(box);
    log_->setObjectName(QStringLiteral("Mlog"));
    log_->setAccessibleName(QStringLiteral("Dziennik wymiany z miernikami"));
    log_->setReadOnly(true);
    log_->setFont(number_font());
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The log starts afresh above its limit; the bound here only guards the widget's memory.
    log_->setMaximumBlockCount(static_cast<int>(ExchangeLog::kMaxLines) + 1);

    auto* clear = button(QStringLiteral("Blog_clear"), QStringLiteral("Wyczyść ekran"), box);
    connect(clear, &QPushButton::clicked, this, [this] { station_.exchange_log().clear(); });
    auto* pause = button(QStringLiteral("Btimer_pause"), QStringLiteral("Pauza wysyłania i odbioru"), box);
    connect(pause, &QPushButton::clicked, this, [this] {
        station_.toggle_exchange_pause();
        emit exchange_pause_toggled();
    });
    auto* technical = button(QStringLiteral("Btechnical1"), QStringLiteral("techniczny1"), box);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addWidget(pause);
    buttons->addWidget(technical);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(log_, 1);
    column->addLayout(buttons);
    return box;
}

QWidget* TechnicalPanel::make_manual() {
    auto* group = new QGroupBox(QStringLiteral("Symulacja ręczna "), this);
    group->setObjectName(QStringLiteral("GBmanual_simulation"));
    const ManualAnswer& m = simulation_.manual;
    x_ = spin(QStringLiteral("SEreceived_x"), 1, kScales, m.x, group);
    b03_ = spin(QStringLiteral("SEreceived_b03"), 0, 8, m.b03, group);
    b45_ = spin(QStringLiteral("SEreceived_b45"), 0, 2, m.b45, group);
    b67_ = spin(QStringLiteral("SEreceived_b67"), 0, 2, m.b67, group);
    weight_ = edit(QStringLiteral("Ereceived_weight"), m.weight, group);
    text_ = edit(QStringLiteral("Ereceived_string"), m.text, group);
    // It has no caption: it holds the text that "Odbierz cokolwiek" below it sends.
    text_->setAccessibleName(QStringLiteral("Dowolny tekst"));
    auto* weight = button(QStringLiteral("Breceived_simulate_weight"), QStringLiteral("Odbierz masę"), group);
    auto* text =
        button(QStringLiteral("Breceived_simulate_string"), QStringLiteral("Odbierz cokolwiek"), group);
    connect(weight, &QPushButton::clicked, this, [this] {
        copy_manual_fields();
        simulation_.receive_manual_weight();
    });
    connect(text, &QPushButton::clicked, this, [this] {
        copy_manual_fields();
        simulation_.receive_manual_text();
    });

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 4);
    const QStringList captions{"x", "b03", "b45", "b67", "masa"};
    const QList<QWidget*> fields{x_, b03_, b45_, b67_, weight_};
    for (int i = 0; i < captions.size(); ++i) {
        auto* label = new QLabel(captions[i], group);
        label->setBuddy(fields[i]);
        grid->addWidget(label, 0, i);
        grid->addWidget(fields[i], 1, i);
    }
    grid->addWidget(weight, 2, 4);
    grid->addWidget(text_, 3, 4);
    grid->addWidget(text, 4, 4);
    grid->setRowStretch(5, 1);
    return group;
}

QWidget* TechnicalPanel::make_view() {
    view_ = make_list(QStringLiteral("LVtechnical"), {"parameter", "value"}, {}, this);
    for (const std::string& name : technical_names()) {
        auto* item = new QTreeWidgetItem(view_);
        item->setText(0, to_qt(name));
    }
    view_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    view_->header()->setStretchLastSection(true);
    view_->setMinimumWidth(view_->fontMetrics().horizontalAdvance(QStringLiteral("w.curr_cycle_statys")) +
                           view_->fontMetrics().horizontalAdvance(QStringLiteral("CP_MSG_WEIGHT_QUESTION")) +
                           40);
    return view_;
}

void TechnicalPanel::show_technical() {
    std::vector<std::string> values = technical_values(station_.process(), shown_values_);
    if (values == shown_values_) {
        return;
    }
    for (int i = 0; i < static_cast<int>(values.size()) && i < view_->topLevelItemCount(); ++i) {
        sync::cell(view_->topLevelItem(i), 1, values[static_cast<std::size_t>(i)]);
    }
    shown_values_ = std::move(values);
}

void TechnicalPanel::line_added(const std::string& line) {
    if (!isVisible()) {
        stale_ = true;
        return;
    }
    pending_lines_.append(to_qt(line));
    if (!pending_timer_.isActive()) {
        pending_timer_.start();
    }
}

void TechnicalPanel::log_cleared() {
    pending_lines_.clear();
    log_->clear();
}

void TechnicalPanel::show_pending_lines() {
    if (!pending_lines_.isEmpty()) {
        log_->appendPlainText(pending_lines_.join(QLatin1Char('\n')));
        pending_lines_.clear();
    }
}

void TechnicalPanel::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (!stale_) {
        return;
    }
    stale_ = false;
    pending_lines_.clear();
    QStringList lines;
    for (const std::string& line : station_.exchange_log().lines()) {
        lines.append(to_qt(line));
    }
    log_->setPlainText(lines.join(QLatin1Char('\n')));
    log_->moveCursor(QTextCursor::End);
}

void TechnicalPanel::copy_manual_fields() {
    ManualAnswer& m = simulation_.manual;
    m.x = x_->value();
    m.b03 = b03_->value();
    m.b45 = b45_->value();
    m.b67 = b67_->value();
    m.weight = from_qt(weight_->text());
    m.text = from_qt(text_->text());
}

}  // namespace wazenie
