#include "ui/simulation_help.h"

#include <algorithm>

#include "comm/simulation.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace wazenie {

TFsimul_help::TFsimul_help(QWidget* parent) : QDialog(parent), Mhelp(new QTextEdit(this)) {
    setObjectName(QStringLiteral("TFsimul_help"));
    setWindowTitle(QStringLiteral("Pomoc do trybu symulacji"));
    Mhelp->setObjectName(QStringLiteral("Mhelp"));
    Mhelp->setAccessibleName(windowTitle());
    Mhelp->setReadOnly(true);

    QString text;
    int widest = 0;
    const QFontMetrics metrics(Mhelp->font());
    for (std::string_view line : simulation_help_lines()) {
        const QString shown = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        text += shown + QLatin1Char('\n');
        widest = std::max(widest, metrics.horizontalAdvance(shown));
    }
    Mhelp->setPlainText(text.chopped(1));
    // The text comes broken into lines already: the field is as wide as the longest one, so no line
    // wraps a second time, and a tab steps to one column past the item numbers.
    Mhelp->setTabStopDistance(metrics.horizontalAdvance(QStringLiteral("0000")));
    Mhelp->setMinimumSize(widest + metrics.horizontalAdvance(QStringLiteral("00000000")),
                          static_cast<int>(simulation_help_lines().size() + 3) * metrics.lineSpacing());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BBok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TFsimul_help::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Mhelp);
    layout->addWidget(buttons);
}

}  // namespace wazenie
