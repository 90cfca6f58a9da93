#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt_text.h"

namespace wazenie {

void QtClipboard::put_text(const std::string& text) {
    QGuiApplication::clipboard()->setText(to_qt(text));
}

}  // namespace wazenie
