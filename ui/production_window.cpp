#include "ui/production_window.h"

#include "platform/qt_document_painter.h"
#include "platform/qt_text.h"
#include "station/station.h"
#include "ui/daily_chart.h"
#include "ui/dose_table_model.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wazenie {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

// Every column but the first holds a number. Total rows (no scale) are bold.
void fill_list(QTreeWidget* list, const std::vector<std::vector<std::string>>& rows, int total_marker = -1) {
    const QSignalBlocker quiet(list);
    list->clear();
    const QFont numbers = number_font();
    QFont bold_numbers = numbers;
    bold_numbers.setBold(true);
    QList<QTreeWidgetItem*> items;
    for (const auto& row : rows) {
        auto* item = new QTreeWidgetItem;
        const bool total = total_marker >= 0 && row[static_cast<std::size_t>(total_marker)].empty();
        for (std::size_t c = 0; c < row.size(); ++c) {
            const int column = static_cast<int>(c);
            item->setText(column, to_qt(row[c]));
            if (c > 0) {
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
                item->setFont(column, total ? bold_numbers : numbers);
            } else if (total) {
                QFont bold = list->font();
                bold.setBold(true);
                item->setFont(column, bold);
            }
        }
        items.append(item);
    }
    list->addTopLevelItems(items);
    fit_columns(list);
}

// The list as tall as its rows and as wide as its columns: it never scrolls.
void fit_size(QTreeWidget* list) {
    const int rows = std::max(1, list->topLevelItemCount());
    const int row =
        list->topLevelItemCount() > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height() + 4;
    list->setFixedSize(list->header()->length() + 2 * list->frameWidth(),
                       list->header()->sizeHint().height() + rows * row + 2 * list->frameWidth());
}

// Widths from sample texts: a table of a million rows is never measured row by row.
void size_columns(QTableView* table, const QStringList& samples) {
    const QFontMetrics text(table->font());
    const QFontMetrics numbers(number_font());
    for (int column = 0; column < samples.size(); ++column) {
        const QString header = table->model()->headerData(column, Qt::Horizontal).toString();
        const int width = std::max(column >= 3 ? numbers.horizontalAdvance(samples[column])
                                               : text.horizontalAdvance(samples[column]),
                                   text.horizontalAdvance(header));
        table->horizontalHeader()->resizeSection(column, width + 24);
    }
}

}  // namespace

TFanaliza::TFanaliza(Station& station, Dialogs& dialogs, Printer& printer, const Clock& clock,
                     ReportFilters::Choosers choosers, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      qt_save_dialog_(this),
      save_dialog_(qt_save_dialog_),
      analysis_(station.data_dir(), station.settings(), {dialogs_, clock, printer, save_dialog_}),
      filters_(new ReportFilters(analysis_, std::move(choosers), clock.now(), this)),
      BBrefresh(named_button(this, "BBrefresh", QStringLiteral("Odśwież\nanalizę"))),
      PCviews(new QTabWidget(this)),
      LVconsumption(
          make_list(QStringLiteral("LVconsumption"), headers_of(kConsumptionColumns), {1, 2, 3, 4, 5}, this)),
      Lkind_totals(new QLabel(QStringLiteral("Zużycie według rodzajów:"), this)),
      LVkind_totals(
          make_list(QStringLiteral("LVkind_totals"), headers_of(kKindTotalColumns), {1, 2, 3}, this)),
      LVaccuracy(
          make_list(QStringLiteral("LVaccuracy"), headers_of(kAccuracyColumns), {1, 2, 3, 4, 5, 6, 7}, this)),
      CBoutside_only(new QCheckBox(QStringLiteral("Tylko dozowania poza tolerancją"), this)),
      Ldoses(new QLabel(this)),
      TVdoses(new QTableView(this)),
      doses_(new DoseTableModel(analysis_, this)),
      PBdaily_chart(new DailyChart(this)),
      LVdays(make_list(QStringLiteral("LVdays"), headers_of(kDayColumns), {1, 2}, this)),
      LVwater_cement(
          make_list(QStringLiteral("LVwater_cement"), headers_of(kWaterCementColumns), {4, 5, 6}, this)),
      Lwater_cement_summary(new QLabel(this)),
      CBkind(new QComboBox(this)),
      BBprint(named_button(this, "BBprint", QStringLiteral("Drukuj"))),
      BBsave(named_button(this, "BBsave", QStringLiteral(" Zapisz"))),
      BBclose(named_button(this, "BBclose", QStringLiteral(" Zamknij"))) {
    setObjectName(QStringLiteral("TFanaliza"));
    setWindowTitle(QStringLiteral("Analiza produkcji"));
    analysis_.save_pdf_with(&write_pdf);
    BBrefresh->setToolTip(QStringLiteral("Przelicz analizę z dzienników ważeń"));
    BBrefresh->setMinimumHeight(2 * BBrefresh->fontMetrics().height() + 16);
    PCviews->setObjectName(QStringLiteral("PCviews"));
    PCviews->addTab(make_consumption(), QStringLiteral("Zużycie"));
    PCviews->addTab(make_accuracy(), QStringLiteral("Dokładność"));
    PCviews->addTab(make_daily(), QStringLiteral("Produkcja dzienna"));
    PCviews->addTab(make_water_cement(), QStringLiteral("w/c"));
    PCviews->setCornerWidget(make_kind_choice());
    // Without kinds the window is what it was before them.
    PCviews->setTabVisible(static_cast<int>(AnalysisView::WaterCement), analysis_.has_kinds());
    PCviews->cornerWidget()->setVisible(analysis_.has_kinds());

    auto* top = new QHBoxLayout;
    top->addWidget(filters_, 1);
    top->addWidget(BBrefresh);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(PCviews, 1);
    layout->addWidget(make_buttons());
    resize(1180, 760);

    connect(BBrefresh, &QPushButton::clicked, this, &TFanaliza::refresh);
    connect(PCviews, &QTabWidget::currentChanged, this, [this](int tab) {
        const auto view = static_cast<AnalysisView>(tab);
        analysis_.set_view(view);
        CBkind->setEnabled(view == AnalysisView::Consumption || view == AnalysisView::Accuracy);
    });
    connect(CBkind, &QComboBox::currentIndexChanged, this, [this](int index) {
        analysis_.set_kind(index > 0 ? material_kinds_list().at(static_cast<std::size_t>(index - 1))
                                     : MaterialKind::none);
        show_kind();
    });
    connect(CBoutside_only, &QCheckBox::toggled, this, &TFanaliza::show_doses);
    connect(BBprint, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        analysis_.print();
    });
    connect(BBsave, &QPushButton::clicked, this, [this] {
        const BusyCursor busy;
        analysis_.save();
    });
    connect(BBclose, &QPushButton::clicked, this, &QDialog::accept);
}

TFanaliza::~TFanaliza() = default;

QWidget* TFanaliza::make_consumption() {
    auto* page = new QWidget(PCviews);
    page->setObjectName(QStringLiteral("TSconsumption"));
    Lkind_totals->setObjectName(QStringLiteral("Lkind_totals"));
    LVkind_totals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LVkind_totals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The totals by kind beside the materials, as the day table stands beside the chart.
    auto* totals = new QVBoxLayout;
    totals->addWidget(Lkind_totals);
    totals->addWidget(LVkind_totals);
    totals->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(LVconsumption, 1);
    layout->addLayout(totals);
    return page;
}

QWidget* TFanaliza::make_accuracy() {
    auto* page = new QSplitter(Qt::Vertical, PCviews);
    page->setObjectName(QStringLiteral("TSaccuracy"));
    page->setChildrenCollapsible(false);
    LVaccuracy->setMinimumHeight(100);
    CBoutside_only->setObjectName(QStringLiteral("CBoutside_only"));
    CBoutside_only->setToolTip(QStringLiteral("Pokaż tylko dozowania o odchyłce większej niż tolerancja"));
    Ldoses->setObjectName(QStringLiteral("Ldoses"));
    TVdoses->setObjectName(QStringLiteral("TVdoses"));
    TVdoses->setModel(doses_);
    TVdoses->setSelectionBehavior(QAbstractItemView::SelectRows);
    TVdoses->setSelectionMode(QAbstractItemView::SingleSelection);
    TVdoses->setWordWrap(false);
    TVdoses->verticalHeader()->hide();
    TVdoses->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TVdoses->verticalHeader()->setDefaultSectionSize(TVdoses->fontMetrics().height() + 6);
    TVdoses->horizontalHeader()->setHighlightSections(false);
    size_columns(TVdoses, {QStringLiteral("WZ/00000/2024"), QStringLiteral("2024-03-05 07:08:09"),
                           QStringLiteral("Kruszywo łamane 8-16 mm"), QStringLiteral("4."),
                           QStringLiteral("9"), QStringLiteral("123456.78"), QStringLiteral("123456.78"),
                           QStringLiteral("+12345.67"), QStringLiteral("+100.00")});
    auto* doses = new QWidget(page);
    auto* line = new QHBoxLayout;
    line->addWidget(Ldoses);
    line->addStretch();
    line->addWidget(CBoutside_only);
    auto* layout = new QVBoxLayout(doses);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(line);
    layout->addWidget(TVdoses, 1);
    page->addWidget(LVaccuracy);
    page->addWidget(doses);
    page->setStretchFactor(1, 1);
    return page;
}

QWidget* TFanaliza::make_daily() {
    auto* page = new QWidget(PCviews);
    page->setObjectName(QStringLiteral("TSdaily"));
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(PBdaily_chart, 1);
    layout->addWidget(LVdays);
    return page;
}

QWidget* TFanaliza::make_water_cement() {
    auto* page = new QWidget(PCviews);
    page->setObjectName(QStringLiteral("TSwater_cement"));
    Lwater_cement_summary->setObjectName(QStringLiteral("Lwater_cement_summary"));
    QFont bold = Lwater_cement_summary->font();
    bold.setBold(true);
    Lwater_cement_summary->setFont(bold);
    // The mean and the largest first: they are what the tab is opened for.
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Lwater_cement_summary);
    layout->addWidget(LVwater_cement, 1);
    return page;
}

QWidget* TFanaliza::make_kind_choice() {
    auto* box = new QWidget(PCviews);
    CBkind->setObjectName(QStringLiteral("CBkind"));
    CBkind->setToolTip(QStringLiteral("Zużycie i dokładność tylko materiałów tego rodzaju"));
    CBkind->addItem(to_qt(std::string(kAllKinds)));
    for (const MaterialKind kind : material_kinds_list()) {
        CBkind->addItem(to_qt(std::string(material_kind_text(kind))));
    }
    auto* caption = caption_label(QStringLiteral("Rodzaj:"), CBkind, box);
    caption->setObjectName(QStringLiteral("Lkind"));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->addWidget(caption);
    layout->addWidget(CBkind);
    return box;
}

QWidget* TFanaliza::make_buttons() {
    auto* box = new QWidget(this);
    BBprint->setToolTip(QStringLiteral("Drukuj pokazaną kartę analizy"));
    BBsave->setToolTip(QStringLiteral("Zapisz pokazaną kartę analizy jako CSV albo PDF"));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BBprint);
    layout->addWidget(BBsave);
    layout->addStretch();
    layout->addWidget(BBclose);
    return box;
}

void TFanaliza::run(const ReportQuery& query) {
    analysis_.set_query(query);
    filters_->show_values();
    show_analysis();
    exec();
}

void TFanaliza::refresh() {
    const BusyCursor busy;
    analysis_.refresh();
    show_analysis();
}

void TFanaliza::show_analysis() {
    show_kind();
    fill_list(LVdays, analysis_.day_rows());
    // The day table as wide as its columns; the chart takes the rest.
    LVdays->setFixedWidth(LVdays->header()->length() + LVdays->verticalScrollBar()->sizeHint().width() +
                          2 * LVdays->frameWidth());
    fill_list(LVwater_cement, analysis_.water_cement_rows(), {}, {4, 5, 6});
    Lwater_cement_summary->setText(to_qt(analysis_.water_cement_summary()));
    const ProductionAnalysis* analysis = analysis_.analysis();
    const ReportQuery& query = analysis_.analysed_query();
    PBdaily_chart->set_days(analysis ? analysis->days : std::vector<DayProduction>{},
                            QDate::fromString(to_qt(query.date_from), kDateFormat),
                            QDate::fromString(to_qt(query.date_to), kDateFormat),
                            analysis ? analysis->mass_precision : 0);
}

// The views of the kind chosen.
void TFanaliza::show_kind() {
    fill_list(LVconsumption, analysis_.consumption_rows(), 1);
    const auto totals = analysis_.kind_total_rows();
    fill_list(LVkind_totals, totals);
    fit_size(LVkind_totals);
    Lkind_totals->setVisible(!totals.empty());
    LVkind_totals->setVisible(!totals.empty());
    fill_list(LVaccuracy, analysis_.accuracy_rows());
    // The material table as tall as its rows (a third of the tab at most), the doses below it.
    auto* split = static_cast<QSplitter*>(PCviews->widget(1));
    const int rows = std::max(3, LVaccuracy->topLevelItemCount());
    const int wanted = LVaccuracy->header()->height() + rows * (LVaccuracy->fontMetrics().height() + 4) +
                       2 * LVaccuracy->frameWidth() + 8;
    const int total = std::max(split->height(), 600);
    split->setSizes({std::min(wanted, total / 3), total - std::min(wanted, total / 3)});
    show_doses();
}

void TFanaliza::show_doses() {
    doses_->reset(CBoutside_only->isChecked());
    Ldoses->setText(QStringLiteral("Dozowania: %1, poza tolerancją: %2")
                        .arg(analysis_.dose_count())
                        .arg(analysis_.outside_doses().size()));
}

}  // namespace wazenie
