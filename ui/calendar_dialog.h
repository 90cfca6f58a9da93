#pragma once

#include <optional>

#include <QDate>
#include <QDialog>

class QCalendarWidget;

namespace wazenie {

// "Kalendarz": one month calendar in Polish and OK. Closing it any other way chooses nothing.
class TFcalendar : public QDialog {
    Q_OBJECT

public:
    explicit TFcalendar(QDate initial, QWidget* parent = nullptr);

    // The chosen date on OK (a double click on a day is OK too), nothing otherwise.
    static std::optional<QDate> choose(QDate initial, QWidget* parent);

private:
    QCalendarWidget* Calendar;
};

}  // namespace wazenie
