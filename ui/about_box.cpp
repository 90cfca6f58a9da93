#include "ui/about_box.h"

#include "ui/help_page.h"
#include "ui/logo.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtGlobal>

namespace wazenie {

TAboutBox::TAboutBox(QWidget* parent)
    : TAboutBox(QStringLiteral("TAboutBox"),
                {QStringLiteral("Sterowanie wagami dozującymi betoniarni: receptury, klienci, operatorzy,"),
                 QStringLiteral("przebieg naważania cykl po cyklu, dokumenty WZ i raporty ważeń."),
                 QStringLiteral("Zbudowany z Qt %1.").arg(QLatin1String(qVersion()))},
                parent) {}

TAboutBox::TAboutBox(const QString& object_name, const QStringList& lines, QWidget* parent)
    : QDialog(parent) {
    setObjectName(object_name);
    setWindowTitle(QStringLiteral("O programie..."));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Ilogo"));
    logo->setPixmap(program_logo(96));
    logo->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("<b>Ważenie</b> – program do wag dozujących"), this);
    QFont larger = name->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    name->setFont(larger);
    auto* version = new QLabel(QStringLiteral("Wersja 2.0"), this);
    auto* details = new QLabel(lines.join(QLatin1Char('\n')), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BBok"));
    QPushButton* help = buttons->addButton(QStringLiteral("Pomoc"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("BBhelp"));
    // Without the page beside the program the button could only fail.
    if (help_page_path().isEmpty()) {
        help->setEnabled(false);
        help->setToolTip(QStringLiteral("Brak pliku pomocy doc/pomoc.htm"));
    }
    connect(help, &QPushButton::clicked, this, [] { open_help_page(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TAboutBox::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(18);
    layout->addWidget(logo, 0, 0, 3, 1);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(details, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TAboutBox_maker::TAboutBox_maker(QWidget* parent)
    : TAboutBox(QStringLiteral("TAboutBox_maker"),
                {QStringLiteral("Stanowisko operatora wag: jeden komputer, jedna linia do mierników"),
                 QStringLiteral("i do czterech wag. Ustawienia, operatorów i archiwum danych"),
                 QStringLiteral("prowadzi administrator stanowiska."),
                 QStringLiteral("Zbudowany z Qt %1.").arg(QLatin1String(qVersion()))},
                parent) {}

}  // namespace wazenie
