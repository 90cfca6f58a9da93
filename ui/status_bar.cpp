#include "ui/status_bar.h"

#include <algorithm>

#include "ui/list_sync.h"
#include "ui/look.h"

#include <QFontMetrics>
#include <QLabel>

namespace wazenie {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    port_ = add_value(QStringLiteral("Lstatus_port"), QStringLiteral("Połączenie z wagą:"), 3);
    printer_ = add_value(QStringLiteral("Lstatus_printer"), QStringLiteral("Połączenie z drukarką:"), 3);
    operator_ = add_value(QStringLiteral("Lstatus_operator"), QStringLiteral("Operator:"), 2);
    add_value(QStringLiteral("Lstatus_version"), QStringLiteral("Wersja:"), 0)
        ->setText(QStringLiteral("2.0"));
}

QLabel* StatusBar::add_value(const QString& name, const QString& caption, int stretch) {
    auto* label = new QLabel(caption, this);
    auto* value = new QLabel(this);
    value->setObjectName(name);
    caption_value(label, value);
    for (QLabel* field : {label, value}) {
        field->setContentsMargins(4, 0, 4, 0);
    }
    addPermanentWidget(label, 0);
    addPermanentWidget(value, stretch);
    return value;
}

// A refused port adds its device and reason to the text. The field is as wide as the text, but at
// most twice its fixed start, so that a long device path does not widen the window past the screen;
// the tooltip has the whole text.
void StatusBar::set_port(const std::string& text) {
    sync::text(port_, text);
    const QFontMetrics metrics = port_->fontMetrics();
    const int start = metrics.horizontalAdvance(QStringLiteral("brak połączenia! (port COM16, 115200bps)"));
    port_->setMinimumWidth(std::min(metrics.horizontalAdvance(port_->text()) + 8, 2 * start));
    port_->setToolTip(port_->text());
}
void StatusBar::set_printer(const std::string& text) {
    sync::text(printer_, text);
}
void StatusBar::set_operator(const std::string& text) {
    sync::text(operator_, text);
}

}  // namespace wazenie
