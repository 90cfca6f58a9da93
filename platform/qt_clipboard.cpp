#include "platform/qt_clipboard.h"

#include "platform/qt_text.h"

#include <QClipboard>
#include <QGuiApplication>

namespace wazenie {

void QtClipboard::put_text(const std::string& text) {
    QGuiApplication::clipboard()->setText(to_qt(text));
}

}  // namespace wazenie
