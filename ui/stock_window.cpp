#include "ui/stock_window.h"

#include <algorithm>

#include "platform/qt_text.h"
#include "storage/date_time.h"
#include "storage/text_helpers.h"
#include "ui/look.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QStringList titles(const std::vector<std::string>& names) {
    QStringList out;
    for (const std::string& name : names) {
        out.append(to_qt(name));
    }
    return out;
}

QLineEdit* named_edit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QDate today(const Clock& clock) {
    const DateTimeParts now = split_date_time(clock.now());
    return QDate(now.year, now.month, now.day);
}

QDateEdit* date_edit(const char* name, const QDate& date, QWidget* parent) {
    auto* edit = new QDateEdit(date, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setDisplayFormat(kDateFormat);
    edit->setCalendarPopup(true);
    return edit;
}

}  // namespace

TFmagazyn::TFmagazyn(const std::filesystem::path& data_dir, const std::string& operator_name,
                     std::vector<std::string> materials, Dialogs& dialogs, Printer& printer,
                     const Clock& clock, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      qt_save_dialog_(this),
      save_dialog_(qt_save_dialog_),
      stock_(data_dir, operator_name, {dialogs_, clock, printer, save_dialog_}),
      materials_(std::move(materials)),
      LVstock(make_list(QStringLiteral("LVstock"), titles(StockWindow::stock_titles()), {1, 2, 4}, this)),
      EDlow_level(named_edit("EDlow_level", this)),
      BBlow_level(named_button(this, "BBlow_level", QStringLiteral("Zapisz poziom"))),
      CBmaterial(new QComboBox(this)),
      EDkg(named_edit("EDkg", this)),
      EDdocument(named_edit("EDdocument", this)),
      BBdelivery(named_button(this, "BBdelivery", QStringLiteral("Dostawa"))),
      BBcount(named_button(this, "BBcount", QStringLiteral("Inwentaryzacja"))),
      DEfrom(date_edit("DEfrom", today(clock).addDays(1 - today(clock).day()), this)),
      DEto(date_edit("DEto", today(clock), this)),
      BBmovements(named_button(this, "BBmovements", QStringLiteral("Pokaż ruchy"))),
      LVmovements(
          make_list(QStringLiteral("LVmovements"), titles(StockWindow::movement_titles()), {3}, this)),
      BBprint(named_button(this, "BBprint", QStringLiteral("Drukuj"))),
      BBsave(named_button(this, "BBsave", QStringLiteral(" Zapisz"))),
      BBclose(named_button(this, "BBclose", QStringLiteral(" Zamknij"))) {
    setObjectName(QStringLiteral("TFmagazyn"));
    setWindowTitle(QStringLiteral("Magazyn"));
    CBmaterial->setObjectName(QStringLiteral("CBmaterial"));
    CBmaterial->setEditable(true);
    CBmaterial->setInsertPolicy(QComboBox::NoInsert);
    CBmaterial->setMinimumContentsLength(24);
    const int mass_width = EDkg->fontMetrics().horizontalAdvance(QStringLiteral("0000000.000")) + 16;
    EDkg->setMaximumWidth(mass_width);
    EDlow_level->setMaximumWidth(mass_width);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BBclose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(make_stock(), 1);
    layout->addWidget(make_posting());
    layout->addWidget(make_movements(), 1);
    layout->addLayout(buttons);
    resize(1000, 720);

    connect(LVstock, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) {
            CBmaterial->setCurrentText(item->text(0));
            EDlow_level->setText(item->text(2));
        }
    });
    connect(BBlow_level, &QPushButton::clicked, this, [this] {
        if (stock_.set_low_level(from_qt(CBmaterial->currentText()), from_qt(EDlow_level->text()))) {
            show_stock();
        }
    });
    connect(BBdelivery, &QPushButton::clicked, this, [this] { post(true); });
    connect(BBcount, &QPushButton::clicked, this, [this] { post(false); });
    connect(BBmovements, &QPushButton::clicked, this, &TFmagazyn::show_movements);
    connect(BBprint, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        stock_.print();
    });
    connect(BBsave, &QPushButton::clicked, this, [this] { stock_.save(); });
    connect(BBclose, &QPushButton::clicked, this, &QDialog::accept);
    show_stock();
}

TFmagazyn::~TFmagazyn() = default;

QWidget* TFmagazyn::make_stock() {
    auto* box = new QGroupBox(QStringLiteral("Stan magazynu "), this);
    box->setObjectName(QStringLiteral("GBstock"));
    auto* level = new QHBoxLayout;
    level->addStretch();
    level->addWidget(caption_label(QStringLiteral("Poziom niski [kg]:"), EDlow_level, box));
    level->addWidget(EDlow_level);
    level->addWidget(BBlow_level);
    BBlow_level->setToolTip(
        QStringLiteral("Zapisz poziom niski wybranego materiału (puste pole: bez poziomu)"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(LVstock, 1);
    layout->addLayout(level);
    return box;
}

QWidget* TFmagazyn::make_posting() {
    auto* box = new QGroupBox(QStringLiteral("Dostawa / inwentaryzacja "), this);
    box->setObjectName(QStringLiteral("GBposting"));
    BBdelivery->setToolTip(QStringLiteral("Dodaj dostawę materiału do stanu"));
    BBcount->setToolTip(QStringLiteral("Podaj policzoną masę: różnica ze stanem zostanie zapisana"));
    auto* layout = new QGridLayout(box);
    QLabel* material = caption_label(QStringLiteral("Materiał:"), CBmaterial, box);
    // The typed name is read out by the same caption as the list.
    CBmaterial->lineEdit()->setAccessibleName(material->text());
    layout->addWidget(material, 0, 0);
    layout->addWidget(CBmaterial, 0, 1);
    layout->addWidget(caption_label(QStringLiteral("Masa [kg]:"), EDkg, box), 0, 2);
    layout->addWidget(EDkg, 0, 3);
    layout->addWidget(caption_label(QStringLiteral("Dokument:"), EDdocument, box), 0, 4);
    layout->addWidget(EDdocument, 0, 5);
    layout->addWidget(BBdelivery, 0, 6);
    layout->addWidget(BBcount, 0, 7);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(5, 1);
    return box;
}

QWidget* TFmagazyn::make_movements() {
    auto* box = new QGroupBox(QStringLiteral("Ruchy magazynowe "), this);
    box->setObjectName(QStringLiteral("GBmovements"));
    BBprint->setToolTip(QStringLiteral("Drukuj pokazane ruchy magazynowe"));
    BBsave->setToolTip(QStringLiteral("Zapisz pokazane ruchy magazynowe jako CSV"));
    auto* range = new QHBoxLayout;
    range->addWidget(caption_label(QStringLiteral("od:"), DEfrom, box));
    range->addWidget(DEfrom);
    range->addWidget(caption_label(QStringLiteral("do:"), DEto, box));
    range->addWidget(DEto);
    range->addWidget(BBmovements);
    range->addStretch();
    range->addWidget(BBprint);
    range->addWidget(BBsave);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(range);
    layout->addWidget(LVmovements, 1);
    return box;
}

void TFmagazyn::show_stock() {
    std::vector<std::vector<std::string>> rows;
    std::vector<bool> low;
    std::vector<std::string> names = materials_;
    for (const StockRow& row : stock_.rows()) {
        rows.push_back(row.columns);
        low.push_back(row.low);
        names.push_back(row.columns[0]);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return polish_less(a, b); });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    fill_list(LVstock, rows, low, {1, 2, 4});
    const QString typed = CBmaterial->currentText();
    const QSignalBlocker quiet(CBmaterial);
    CBmaterial->clear();
    for (const std::string& name : names) {
        CBmaterial->addItem(to_qt(name));
    }
    CBmaterial->setCurrentText(typed);
}

void TFmagazyn::show_movements() {
    stock_.show_movements(from_qt(DEfrom->date().toString(kDateFormat)),
                          from_qt(DEto->date().toString(kDateFormat)));
    fill_list(LVmovements, stock_.movement_rows(), {}, {3});
}

void TFmagazyn::post(bool delivery) {
    const std::string material = from_qt(CBmaterial->currentText());
    const std::string kg = from_qt(EDkg->text());
    const bool posted =
        delivery ? stock_.deliver(material, kg, from_qt(EDdocument->text())) : stock_.count(material, kg);
    if (posted) {
        EDkg->clear();
        EDdocument->clear();
        show_stock();
    }
}

}  // namespace wazenie
