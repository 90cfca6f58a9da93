#include "ui/tools_group.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wazenie {

ToolsGroup::ToolsGroup(QWidget* parent) : QGroupBox(QStringLiteral("Narzędzia "), parent) {
    setObjectName(QStringLiteral("GBtools"));
    settings_ = make_button(QStringLiteral("BBsettings"), QStringLiteral(" Ustawienia"));
    auto* reports = make_button(QStringLiteral("BBreports"), QStringLiteral("   Raporty"));
    auto* print = make_button(QStringLiteral("BBprint_wz"), QStringLiteral("  Drukuj WZ"));
    auto* recipes = make_button(QStringLiteral("BBrecipes"), QStringLiteral("Baza receptur"));
    auto* clients = make_button(QStringLiteral("BBclients"), QStringLiteral(" Baza klientów"));
    stock_ = make_button(QStringLiteral("BBstock"), QStringLiteral("  Magazyn"));
    stock_->hide();
    connect(settings_, &QPushButton::clicked, this, &ToolsGroup::settings_requested);
    connect(reports, &QPushButton::clicked, this, &ToolsGroup::reports_requested);
    connect(print, &QPushButton::clicked, this, &ToolsGroup::print_wz_requested);
    connect(recipes, &QPushButton::clicked, this, &ToolsGroup::recipes_requested);
    connect(clients, &QPushButton::clicked, this, &ToolsGroup::clients_requested);
    connect(stock_, &QPushButton::clicked, this, &ToolsGroup::stock_requested);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Icompany_logo"));
    logo->hide();
    auto* company = new QFrame(this);
    company->setObjectName(QStringLiteral("Pcompany_name"));
    company->setFrameShape(QFrame::StyledPanel);
    company1_ = new QLabel(company);
    company1_->setObjectName(QStringLiteral("Lcompany_name1"));
    company2_ = new QLabel(company);
    company2_->setObjectName(QStringLiteral("Lcompany_name2"));
    QFont bold = company1_->font();
    bold.setBold(true);
    company1_->setFont(bold);
    auto* lines = new QVBoxLayout(company);
    lines->setContentsMargins(6, 2, 6, 2);
    lines->addWidget(company1_, 0, Qt::AlignCenter);
    lines->addWidget(company2_, 0, Qt::AlignCenter);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(3);
    int row = 0;
    for (QWidget* item : {settings_, reports, print, recipes, clients, stock_}) {
        grid->addWidget(item, row++, 0);
    }
    grid->setRowStretch(row++, 1);
    grid->addWidget(logo, row++, 0);
    grid->addWidget(company, row, 0);
}

QPushButton* ToolsGroup::make_button(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    return button;
}

void ToolsGroup::set_company(const QString& line1, const QString& line2) {
    company1_->setText(line1);
    company2_->setText(line2);
}

void ToolsGroup::restrict_to_operator() {
    settings_->setEnabled(false);
}

void ToolsGroup::offer_stock(bool offered, bool allowed) {
    stock_->setVisible(offered);
    stock_->setEnabled(allowed);
}

}  // namespace wazenie
