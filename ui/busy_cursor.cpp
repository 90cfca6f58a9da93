#include "ui/busy_cursor.h"

#include <QApplication>
#include <QCursor>

namespace wazenie {

namespace {

// Runs `ask` with the arrow cursor when a busy cursor is up; override cursors stack.
template <typename Ask>
auto with_arrow(Ask ask) {
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    struct Restore {
        bool busy;
        ~Restore() {
            if (busy) {
                QApplication::restoreOverrideCursor();
            }
        }
    } restore{busy};
    return ask();
}

}  // namespace

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

void ArrowForDialogs::error(const std::string& text) {
    with_arrow([&] { dialogs_.error(text); });
}

void ArrowForDialogs::warning(const std::string& text) {
    with_arrow([&] { dialogs_.warning(text); });
}

void ArrowForDialogs::information(const std::string& text) {
    with_arrow([&] { dialogs_.information(text); });
}

bool ArrowForDialogs::question(const std::string& text) {
    return with_arrow([&] { return dialogs_.question(text); });
}

std::string ArrowForDialogs::ask_value(const ValueRequest& request) {
    return with_arrow([&] { return dialogs_.ask_value(request); });
}

std::optional<int> ArrowForDialogs::ask_print_copies() {
    return with_arrow([&] { return dialogs_.ask_print_copies(); });
}

std::optional<std::filesystem::path> ArrowForSaveDialog::ask_save_file(const SaveFileRequest& request) {
    return with_arrow([&] { return dialog_.ask_save_file(request); });
}

}  // namespace wazenie
