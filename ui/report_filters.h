#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/process_records.h"

#include <QDate>
#include <QWidget>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace wazenie {

class ReportRange;

// The report's range and filters: "Przedział czasu " with its calendars, " dzisiaj" and
// "bież. miesiąc", and "Inne ograniczenia raportu  " with the client and recipe choices. Every value
// lives in the controller's range; the fields show it and hand the operator's typing back.
class ReportFilters : public QWidget {
    Q_OBJECT

public:
    struct Choosers {
        // The client window over the given window; the chosen client's short name on OK.
        std::function<std::optional<std::string>(QWidget*)> client;
        // The recipe editor over the given window; on OK the recipe selected there (empty when none was).
        std::function<std::optional<std::string>(QWidget*)> recipe;
    };

    // `now` is where the calendar starts; afterwards it starts at the date last chosen in it.
    ReportFilters(ReportRange& report, Choosers choosers, DateTime now, QWidget* parent = nullptr);

    // Writes the controller's dates and texts into the fields that show something else.
    void show_values();

private:
    QWidget* make_dates();
    QWidget* make_limits();
    void pick_date(QLineEdit* field);

    ReportRange& report_;
    Choosers choosers_;
    QDate calendar_date_;
    QLineEdit* Edate_from;
    QLineEdit* Edate_to;
    QToolButton* SBcalendar_from;
    QToolButton* SBcalendar_to;
    QPushButton* BBtoday;
    QPushButton* BBmonth;
    QLineEdit* Eclient;
    QLineEdit* Erecipe;
    QPushButton* BBclient;
    QPushButton* BBrecipe;
    QToolButton* SBclear_client;
    QToolButton* SBclear_recipe;
};

}  // namespace wazenie
