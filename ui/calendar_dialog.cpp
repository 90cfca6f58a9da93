#include "ui/calendar_dialog.h"

#include "ui/look.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace wazenie {

TFcalendar::TFcalendar(QDate initial, QWidget* parent)
    : QDialog(parent), Calendar(new QCalendarWidget(this)) {
    setObjectName(QStringLiteral("TFcalendar"));
    setWindowTitle(QStringLiteral("Kalendarz"));
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    Calendar->setFirstDayOfWeek(Qt::Monday);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setSelectedDate(initial);
    auto* ok = named_button(this, "BBok", QStringLiteral("OK"));
    ok->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Calendar);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Calendar, &QCalendarWidget::activated, this, &QDialog::accept);
}

std::optional<QDate> TFcalendar::choose(QDate initial, QWidget* parent) {
    TFcalendar dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Calendar->selectedDate();
}

}  // namespace wazenie
