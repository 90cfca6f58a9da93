#include "ui/qt_dialogs.h"

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

// One box for every message: the application's title, "\r" as a line break, Polish buttons.
// Returns true when the operator pressed OK or "Tak".
bool show_box(QWidget* parent, QMessageBox::Icon icon, const std::string& text, Buttons buttons) {
    QMessageBox box(icon, QStringLiteral("Ważenie"),
                    to_qt(text).replace(QLatin1Char('\r'), QLatin1Char('\n')), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* confirm = nullptr;
    if (buttons == Buttons::yes_no) {
        confirm = box.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
        // Escape and closing the box answer No, which always cancels.
        box.setEscapeButton(box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole));
    } else {
        confirm = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(confirm);
    }
    box.setDefaultButton(confirm);
    box.exec();
    return box.clickedButton() == confirm;
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
