#include "ui/status_bar.h"

#include <algorithm>

#include "ui/list_sync.h"

#include <QFontMetrics>
#include <QLabel>

namespace wazenie {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    add_field({}, QStringLiteral("Połączenie z wagą:"), 0);
    port_ = add_field(QStringLiteral("Lstatus_port"), {}, 3);
    add_field({}, QStringLiteral("Połączenie z drukarką:"), 0);
    printer_ = add_field(QStringLiteral("Lstatus_printer"), {}, 3);
    add_field({}, QStringLiteral("Operator:"), 0);
    operator_ = add_field(QStringLiteral("Lstatus_operator"), {}, 2);
    add_field({}, QStringLiteral("Wersja:"), 0);
    add_field(QStringLiteral("Lstatus_version"), QStringLiteral("2.0"), 0);
}

QLabel* StatusBar::add_field(const QString& name, const QString& text, int stretch) {
    auto* field = new QLabel(text, this);
    field->setObjectName(name);
    field->setContentsMargins(4, 0, 4, 0);
    addPermanentWidget(field, stretch);
    return field;
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
