#include "ui/report_window.h"

#include <algorithm>

#include "platform/qt_document_painter.h"
#include "platform/qt_text.h"
#include "station/station.h"
#include "ui/look.h"
#include "ui/production_window.h"
#include "ui/report_filters.h"
#include "ui/report_rows_model.h"
#include "ui/station_choosers.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

// Widths that hold the usual texts of each column whole; the list scrolls sideways for the rest.
void size_columns(QTreeView* list, const QStringList& samples) {
    const QFontMetrics metrics(list->font());
    for (int column = 0; column < samples.size(); ++column) {
        const int width =
            std::max(metrics.horizontalAdvance(samples[column]),
                     metrics.horizontalAdvance(list->model()->headerData(column, Qt::Horizontal).toString()));
        list->header()->resizeSection(column, width + 20);
    }
}

}  // namespace

TFraport::TFraport(Station& station, Dialogs& dialogs, Printer& printer, const Clock& clock, QWidget* parent)
    : QDialog(parent),
      station_(station),
      plain_dialogs_(dialogs),
      printer_(printer),
      clock_(clock),
      dialogs_(dialogs),
      qt_save_dialog_(this),
      save_dialog_(qt_save_dialog_),
      report_(station.data_dir(), station.settings(), station.process().w,
              {dialogs_, clock, printer, clipboard_, save_dialog_,
               [this](const std::string& name) { emit printer_chosen(to_qt(name)); }}),
      filters_(new ReportFilters(report_, choosers(), clock.now(), this)),
      BBrefresh(named_button(this, "BBrefresh", QStringLiteral("Odśwież\nraport"))),
      rows_(new ReportRowsModel(report_, this)),
      LVreport(make_list_view(QStringLiteral("LVreport"), rows_, this)),
      CBcycle(new QComboBox(this)),
      LVdetails(make_list(
          QStringLiteral("LVdetails"),
          {QStringLiteral("W"), QStringLiteral("N"), QStringLiteral("Substancja"), QStringLiteral("Masa")},
          {3}, this)),
      BBprint_wz(named_button(this, "BBprint_wz", QStringLiteral(" Drukuj poj. dokument WZ"))),
      BBkarta_zarobu(named_button(this, "BBkarta_zarobu", QStringLiteral("Karta zarobu"))),
      BBprint_report(named_button(this, "BBprint_report", QStringLiteral("Drukuj raport"))),
      BBcopy_report(named_button(this, "BBcopy_report", QStringLiteral("Kopiuj raport"))),
      BBsave_report(named_button(this, "BBsave_report", QStringLiteral(" Zapisz raport"))),
      BTanaliza(named_button(this, "BTanaliza", QStringLiteral("Analiza produkcji"))),
      BBclose(named_button(this, "BBclose", QStringLiteral(" Zamknij"))) {
    setObjectName(QStringLiteral("TFraport"));
    setWindowTitle(QStringLiteral("Raport ważeń zakończonych"));
    report_.save_pdf_with(&write_pdf);
    BBrefresh->setToolTip(QStringLiteral("Zbuduj raport z dzienników ważeń"));
    BBrefresh->setMinimumHeight(2 * BBrefresh->fontMetrics().height() + 16);
    LVreport->setToolTip(QStringLiteral("Zaznacz ważenie, aby zobaczyć jego masy"));
    size_columns(LVreport, {QStringLiteral("WZ/00000/2024"), QStringLiteral("2024-03-05 07:08:09"),
                            QStringLiteral("2024-03-05 07:08:09"), QStringLiteral("1234567.89"),
                            QStringLiteral("Cykle"), QStringLiteral("B25 beton konstrukcyjny"),
                            QStringLiteral("PRZEDSIĘBIORSTWO"),
                            QStringLiteral("Przedsiębiorstwo Budowlane BUDREX Sp. z o.o."),
                            QStringLiteral("ul. Przemysłowa 12, 25-001 Kielce"),
                            QStringLiteral("000-000-00-00"), QStringLiteral("ADMINISTRATOR")});
    LVreport->setMinimumSize(900, 300);

    auto* top = new QHBoxLayout;
    top->addWidget(filters_, 1);
    top->addWidget(BBrefresh);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(make_details());
    bottom->addStretch();
    bottom->addWidget(make_report_buttons());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(LVreport, 1);
    layout->addLayout(bottom);
    resize(1180, 760);

    connect(BBrefresh, &QPushButton::clicked, this, &TFraport::refresh);
    connect(LVreport->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const int row = current.row();
                report_.select_row(row < 0 ? std::nullopt : std::optional<std::size_t>(row));
                show_details();
            });
    connect(CBcycle, &QComboBox::activated, this, [this](int index) {
        report_.choose_cycle(index);
        show_details();
    });
    connect(BBprint_wz, &QPushButton::clicked, this, [this] { report_.print_wz_again(); });
    connect(BBkarta_zarobu, &QPushButton::clicked, this, [this] { report_.print_batch_record(); });
    connect(BBprint_report, &QPushButton::clicked, this, [this] { report_.print_report(); });
    connect(BBcopy_report, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        report_.copy_report();
    });
    connect(BBsave_report, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        report_.save_report();
    });
    connect(BTanaliza, &QPushButton::clicked, this, &TFraport::open_analysis);
    connect(BBclose, &QPushButton::clicked, this, &QDialog::accept);
}

// The list's model reads the report's rows, which go before the child widgets do: a view laid out
// again while it is taken down would read them.
TFraport::~TFraport() {
    LVreport->setModel(nullptr);
}

QWidget* TFraport::make_details() {
    auto* box = new QWidget(this);
    size_columns(LVdetails, {QStringLiteral("4."), QStringLiteral("7."),
                             QStringLiteral("Kruszywo łamane 8-16 mm"), QStringLiteral("123456.789")});
    LVdetails->setFixedWidth(LVdetails->header()->length() +
                             LVdetails->verticalScrollBar()->sizeHint().width() +
                             2 * LVdetails->frameWidth());
    LVdetails->setMinimumHeight(180);
    CBcycle->setObjectName(QStringLiteral("CBcycle"));
    CBcycle->setMinimumContentsLength(12);
    CBcycle->setToolTip(QStringLiteral("Masy wszystkich cykli razem albo jednego cyklu"));
    auto* cycle = new QHBoxLayout;
    cycle->addWidget(caption_label(QStringLiteral("Cykl:"), CBcycle, box));
    cycle->addWidget(CBcycle);
    cycle->addStretch();
    BBkarta_zarobu->setToolTip(
        QStringLiteral("Przebieg zaznaczonego ważenia: cykle, materiały, wilgotność, korekty i odchyłki"));
    cycle->addWidget(BBprint_wz);
    cycle->addWidget(BBkarta_zarobu);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(cycle);
    layout->addWidget(LVdetails);
    return box;
}

QWidget* TFraport::make_report_buttons() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    BTanaliza->setToolTip(
        QStringLiteral("Zużycie materiałów, dokładność dozowania i produkcja dzienna w tym przedziale"));
    for (QPushButton* button : {BBprint_report, BBcopy_report, BBsave_report, BTanaliza}) {
        layout->addWidget(button);
    }
    layout->addStretch();
    layout->addWidget(BBclose);
    return box;
}

// A new window at every opening, with the range and filters of this one: an analysis of a year holds
// millions of doses, given back when it closes.
void TFraport::open_analysis() {
    TFanaliza analysis(station_, plain_dialogs_, printer_, clock_, choosers(), this);
    analysis.run(report_.query());
}

void TFraport::run() {
    exec();
}

void TFraport::showEvent(QShowEvent* event) {
    report_.show();
    filters_->show_values();
    show_details();
    QDialog::showEvent(event);
}

// The choosers open over the window that asks: this one or the analysis.
ReportFilters::Choosers TFraport::choosers() {
    return {[this](QWidget* over) {
                return StationChoosers(station_, plain_dialogs_, clipboard_, printer_, over)
                    .clients()
                    .choose_client();
            },
            [this](QWidget* over) -> std::optional<std::string> {
                const auto choice = StationChoosers(station_, plain_dialogs_, clipboard_, printer_, over)
                                        .recipes()
                                        .open_recipe_editor();
                if (!choice) {
                    return std::nullopt;
                }
                return choice->recipe_name;
            }};
}

void TFraport::refresh() {
    const BusyCursor busy;
    // A refused range leaves the list as it was; a new list is a new vector.
    const ReportRow* before = report_.rows().data();
    report_.refresh();
    if (report_.rows().data() != before) {
        rows_->reset();
        show_details();
    }
}

void TFraport::show_details() {
    {
        const QSignalBlocker quiet(CBcycle);
        CBcycle->clear();
        for (const std::string& choice : report_.cycle_choices()) {
            CBcycle->addItem(to_qt(choice));
        }
        CBcycle->setCurrentIndex(report_.cycle_choice());
    }
    LVdetails->clear();
    QList<QTreeWidgetItem*> items;
    for (const DetailRow& row : report_.details()) {
        auto* item = new QTreeWidgetItem(
            QStringList{to_qt(row.scale), to_qt(row.number), to_qt(row.material_name), to_qt(row.mass)});
        item->setTextAlignment(3, kRight);
        items.append(item);
    }
    LVdetails->addTopLevelItems(items);
}

}  // namespace wazenie
