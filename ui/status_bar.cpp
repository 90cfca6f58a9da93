#include "ui/status_bar.h"

#include <algorithm>

#include "platform/qt_text.h"
#include "ui/list_sync.h"
#include "ui/look.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

namespace wazenie {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    port_ = add_value(QStringLiteral("Lstatus_port"), QStringLiteral("Połączenie z wagą:"), 3);
    // Its width is the layout's, never its text's: the text is fitted to the width.
    port_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    port_->installEventFilter(this);
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

namespace {

// The port's state whole ("brak połączenia! (port COM1, 9600bps)"), then as many whole words of the
// reason behind it as the width takes, "…" where it was cut.
QString fitted_port_text(const QString& full, const QFontMetrics& metrics, int width) {
    const qsizetype state_end = full.indexOf(QLatin1Char(')')) + 1;
    if (state_end == 0 || metrics.horizontalAdvance(full) <= width) {
        return full;
    }
    const QString cut = QStringLiteral(" …");
    QString fitted = full.left(state_end);
    for (const QString& word : full.mid(state_end).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = fitted + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(longer + cut) > width) {
            break;
        }
        fitted = longer;
    }
    return fitted + cut;
}

}  // namespace

// A refused port adds its device and reason to the text. The field holds at least the port's state,
// and is as wide as the whole text up to twice its fixed start, so that a long device path does not
// widen the window past the screen; what does not fit is cut at a word, and the tooltip has it all.
void StatusBar::set_port(const std::string& text) {
    const QString full = to_qt(text);
    if (full == port_text_) {
        return;
    }
    port_text_ = full;
    const QFontMetrics metrics = port_->fontMetrics();
    const int start = metrics.horizontalAdvance(QStringLiteral("brak połączenia! (port COM16, 115200bps)"));
    const int state = metrics.horizontalAdvance(full.left(full.indexOf(QLatin1Char(')')) + 1));
    const int margins = port_->contentsMargins().left() + port_->contentsMargins().right() + 8;
    port_->setMinimumWidth(std::max(state, std::min(metrics.horizontalAdvance(full), 2 * start)) + margins);
    port_->setToolTip(full);
    fit_port_text();
}

void StatusBar::fit_port_text() {
    const QString fitted = fitted_port_text(port_text_, port_->fontMetrics(), port_->contentsRect().width());
    if (port_->text() != fitted) {
        port_->setText(fitted);
    }
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == port_ && event->type() == QEvent::Resize) {
        fit_port_text();
    }
    return QStatusBar::eventFilter(watched, event);
}

void StatusBar::set_printer(const std::string& text) {
    sync::text(printer_, text);
}
void StatusBar::set_operator(const std::string& text) {
    sync::text(operator_, text);
}

}  // namespace wazenie
