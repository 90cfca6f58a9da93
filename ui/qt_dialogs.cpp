#include "ui/qt_dialogs.h"

#include <memory>

#include "platform/qt_printer.h"
#include "platform/qt_text.h"
#include "ui/input_dialog.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace wazenie {

namespace {

enum class Buttons { ok, yes_no };

// One box for every message: the application's title, "\r" as a line break, Polish buttons, the
// confirming one (OK or "Tak") the default.
QMessageBox* make_box(QWidget* parent, QMessageBox::Icon icon, const std::string& text, Buttons buttons) {
    auto* box = new QMessageBox(icon, QStringLiteral("Ważenie"),
                                to_qt(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                                QMessageBox::NoButton, parent);
    box->setTextFormat(Qt::PlainText);
    QPushButton* confirm = nullptr;
    if (buttons == Buttons::yes_no) {
        confirm = box->addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
        // Escape and closing the box answer No, which always cancels.
        box->setEscapeButton(box->addButton(QStringLiteral("Nie"), QMessageBox::NoRole));
    } else {
        confirm = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box->setEscapeButton(confirm);
    }
    box->setDefaultButton(confirm);
    return box;
}

// Waits for the operator; true when the confirming button was pressed.
bool show_box(QWidget* parent, QMessageBox::Icon icon, const std::string& text, Buttons buttons) {
    std::unique_ptr<QMessageBox> box(make_box(parent, icon, text, buttons));
    box->exec();
    const QMessageBox::ButtonRole role = box->buttonRole(box->clickedButton());
    return role == QMessageBox::YesRole || role == QMessageBox::AcceptRole;
}

QMessageBox::Icon icon_of(MessageKind kind) {
    switch (kind) {
        case MessageKind::error:
            return QMessageBox::Critical;
        case MessageKind::warning:
            return QMessageBox::Warning;
        case MessageKind::information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

QtDialogs::QtDialogs(QtPrinter* printer) : printer_(printer) {}

void QtDialogs::set_parent(QWidget* parent) {
    parent_ = parent;
}

void QtDialogs::error(const std::string& text) {
    show_box(parent_, QMessageBox::Critical, text, Buttons::ok);
}

void QtDialogs::warning(const std::string& text) {
    show_box(parent_, QMessageBox::Warning, text, Buttons::ok);
}

void QtDialogs::information(const std::string& text) {
    show_box(parent_, QMessageBox::Information, text, Buttons::ok);
}

// Modal to the window as every box is, but without a loop of its own: the caller returns at once,
// and a timer slot that shows it keeps firing while it is up.
void QtDialogs::notify(MessageKind kind, const std::string& text) {
    QMessageBox* box = make_box(parent_, icon_of(kind), text, Buttons::ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool QtDialogs::question(const std::string& text) {
    return show_box(parent_, QMessageBox::Question, text, Buttons::yes_no);
}

std::string QtDialogs::ask_value(const ValueRequest& request) {
    return TFinput::ask(request, *this, parent_).value_or(std::string());
}

std::optional<int> QtDialogs::ask_print_copies() {
    QPrinter printer;
    if (printer_) {
        if (auto name = printer_->printer_name()) {
            printer.setPrinterName(to_qt(*name));
        }
    }
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    if (printer_ && !printer.printerName().isEmpty()) {
        printer_->choose_printer(from_qt(printer.printerName()));
    }
    return printer.copyCount();
}

}  // namespace wazenie
