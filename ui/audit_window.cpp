#include "ui/audit_window.h"

#include "platform/qt_text.h"
#include "storage/date_time.h"
#include "ui/look.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

QDate date_of(DateTime day) {
    const DateTimeParts parts = split_date_time(day);
    return QDate(parts.year, parts.month, parts.day);
}

DateTime day_of(const QDate& date) {
    return make_date_time({date.year(), date.month(), date.day()}).value_or(0);
}

QDateEdit* date_edit(const char* name, QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    return edit;
}

}  // namespace

TFdziennik::TFdziennik(const std::filesystem::path& data_dir, Dialogs& dialogs, const Clock& clock,
                       QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      controller_(data_dir, dialogs_, clock),
      DTPod(date_edit("DTPod", this)),
      DTPdo(date_edit("DTPdo", this)),
      Efiltr(new QLineEdit(this)),
      LVdziennik(make_list(QStringLiteral("LVdziennik"), headers_of(AuditWindow::titles()), {}, this)),
      BBzamknij(named_button(this, "BBzamknij", QStringLiteral(" Zamknij"))) {
    setObjectName(QStringLiteral("TFdziennik"));
    setWindowTitle(QStringLiteral("Dziennik zmian"));
    Efiltr->setObjectName(QStringLiteral("Efiltr"));
    Efiltr->setPlaceholderText(QStringLiteral("szukaj w każdej kolumnie"));
    Efiltr->setClearButtonEnabled(true);

    auto* filters = new QHBoxLayout;
    filters->addWidget(caption_label(QStringLiteral("od:"), DTPod, this));
    filters->addWidget(DTPod);
    filters->addWidget(caption_label(QStringLiteral("do:"), DTPdo, this));
    filters->addWidget(DTPdo);
    filters->addSpacing(16);
    filters->addWidget(caption_label(QStringLiteral("Szukaj:"), Efiltr, this));
    filters->addWidget(Efiltr, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BBzamknij);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(LVdziennik, 1);
    layout->addLayout(buttons);
    resize(1100, 640);

    controller_.open();
    DTPod->setDate(date_of(controller_.from()));
    DTPdo->setDate(date_of(controller_.to()));
    connect(DTPod, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        controller_.set_from(day_of(date));
        show_rows();
    });
    connect(DTPdo, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        controller_.set_to(day_of(date));
        show_rows();
    });
    connect(Efiltr, &QLineEdit::textChanged, this, [this](const QString& text) {
        controller_.set_filter(from_qt(text));
        show_rows();
    });
    connect(BBzamknij, &QPushButton::clicked, this, &QDialog::accept);
    show_rows();
}

void TFdziennik::show_rows() {
    fill_list(LVdziennik, controller_.rows(), {}, {});
}

}  // namespace wazenie
