#include "ui/report_filters.h"

#include "platform/qt_text.h"
#include "storage/date_time.h"
#include "ui/calendar_dialog.h"
#include "ui/look.h"
#include "windows/report_filters.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace wazenie {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QDate date_of(DateTime t) {
    const DateTimeParts parts = split_date_time(t);
    return QDate(parts.year, parts.month, parts.day);
}

QLineEdit* make_edit(QWidget* parent, const char* name, int width_chars) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(width_chars, QLatin1Char('0'))) + 16);
    return edit;
}

void show_text(QLineEdit* edit, const std::string& value) {
    const QString text = to_qt(value);
    if (edit->text() != text) {
        edit->setText(text);
    }
}

}  // namespace

ReportFilters::ReportFilters(ReportRange& report, Choosers choosers, DateTime now, QWidget* parent)
    : QWidget(parent),
      report_(report),
      choosers_(std::move(choosers)),
      calendar_date_(date_of(now)),
      Edate_from(make_edit(this, "Edate_from", 10)),
      Edate_to(make_edit(this, "Edate_to", 10)),
      SBcalendar_from(tool_button(this, QStringLiteral("SBcalendar_from"), QStringLiteral("..."),
                                  QStringLiteral("Wybierz datę z kalendarza"))),
      SBcalendar_to(tool_button(this, QStringLiteral("SBcalendar_to"), QStringLiteral("..."),
                                QStringLiteral("Wybierz datę z kalendarza"))),
      BBtoday(named_button(this, "BBtoday", QStringLiteral(" dzisiaj"))),
      BBmonth(named_button(this, "BBmonth", QStringLiteral("bież. miesiąc"))),
      Eclient(make_edit(this, "Eclient", 24)),
      Erecipe(make_edit(this, "Erecipe", 24)),
      BBclient(named_button(this, "BBclient", QStringLiteral(" Wybierz klienta"))),
      BBrecipe(named_button(this, "BBrecipe", QStringLiteral("Wybierz recepturę"))),
      SBclear_client(tool_button(this, QStringLiteral("SBclear_client"), QStringLiteral("X"),
                                 QStringLiteral("Usuń ograniczenie do klienta"))),
      SBclear_recipe(tool_button(this, QStringLiteral("SBclear_recipe"), QStringLiteral("X"),
                                 QStringLiteral("Usuń ograniczenie do receptury"))) {
    BBtoday->setToolTip(QStringLiteral("Raport z dnia dzisiejszego"));
    BBmonth->setToolTip(QStringLiteral("Raport od początku bieżącego miesiąca do dziś"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(make_dates());
    layout->addWidget(make_limits(), 1);

    connect(Edate_from, &QLineEdit::textChanged, this,
            [this](const QString& t) { report_.set_date_from(from_qt(t)); });
    connect(Edate_to, &QLineEdit::textChanged, this,
            [this](const QString& t) { report_.set_date_to(from_qt(t)); });
    connect(Eclient, &QLineEdit::textChanged, this,
            [this](const QString& t) { report_.set_client_text(from_qt(t)); });
    connect(Erecipe, &QLineEdit::textChanged, this,
            [this](const QString& t) { report_.set_recipe_text(from_qt(t)); });
    connect(SBcalendar_from, &QToolButton::clicked, this, [this] { pick_date(Edate_from); });
    connect(SBcalendar_to, &QToolButton::clicked, this, [this] { pick_date(Edate_to); });
    connect(BBtoday, &QPushButton::clicked, this, [this] {
        report_.today();
        show_values();
    });
    connect(BBmonth, &QPushButton::clicked, this, [this] {
        report_.current_month();
        show_values();
    });
    connect(BBclient, &QPushButton::clicked, this, [this] {
        if (const auto client = choosers_.client(window())) {
            report_.set_client_text(*client);
            show_values();
        }
    });
    connect(BBrecipe, &QPushButton::clicked, this, [this] {
        if (const auto recipe = choosers_.recipe(window())) {
            report_.recipe_chosen(*recipe);
            show_values();
        }
    });
    connect(SBclear_client, &QToolButton::clicked, Eclient, &QLineEdit::clear);
    connect(SBclear_recipe, &QToolButton::clicked, Erecipe, &QLineEdit::clear);
}

QWidget* ReportFilters::make_dates() {
    auto* group = new QGroupBox(QStringLiteral("Przedział czasu "), this);
    group->setObjectName(QStringLiteral("GBdates"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(caption_label(QStringLiteral("Data od:"), Edate_from, group), 0, 0);
    grid->addWidget(Edate_from, 0, 1);
    grid->addWidget(SBcalendar_from, 0, 2);
    grid->addWidget(BBtoday, 0, 3);
    grid->addWidget(caption_label(QStringLiteral("Data do:"), Edate_to, group), 1, 0);
    grid->addWidget(Edate_to, 1, 1);
    grid->addWidget(SBcalendar_to, 1, 2);
    grid->addWidget(BBmonth, 1, 3);
    return group;
}

QWidget* ReportFilters::make_limits() {
    auto* group = new QGroupBox(QStringLiteral("Inne ograniczenia raportu  "), this);
    group->setObjectName(QStringLiteral("GBlimits"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(caption_label(QStringLiteral("Klient: "), Eclient, group), 0, 0);
    grid->addWidget(Eclient, 0, 1);
    grid->addWidget(SBclear_client, 0, 2);
    grid->addWidget(BBclient, 0, 3);
    grid->addWidget(caption_label(QStringLiteral("Receptura: "), Erecipe, group), 1, 0);
    grid->addWidget(Erecipe, 1, 1);
    grid->addWidget(SBclear_recipe, 1, 2);
    grid->addWidget(BBrecipe, 1, 3);
    grid->setColumnStretch(1, 1);
    return group;
}

void ReportFilters::show_values() {
    show_text(Edate_from, report_.date_from());
    show_text(Edate_to, report_.date_to());
    show_text(Eclient, report_.client_text());
    show_text(Erecipe, report_.recipe_text());
}

// The calendar opens at the date last chosen in it, not at the field's.
void ReportFilters::pick_date(QLineEdit* field) {
    const auto date = TFcalendar::choose(calendar_date_, window());
    if (date) {
        calendar_date_ = *date;
        field->setText(date->toString(kDateFormat));
    }
}

}  // namespace wazenie
