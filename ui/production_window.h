#pragma once

#include "platform/qt_save_file_dialog.h"
#include "ui/busy_cursor.h"
#include "ui/report_filters.h"
#include "windows/production_window.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTreeWidget;

namespace wazenie {

class DailyChart;
class DoseTableModel;
class Station;

// "Analiza produkcji" over its controller: the report's range and filters, the consumption of
// materials, the dosing accuracy with every dose (those outside their tolerance in amber), the daily
// production as a chart beside its table, and the shown tab printed or saved. When the materials have
// kinds, "Rodzaj:" beside the tabs narrows the consumption and the accuracy to one kind, the
// consumption is totalled by kind beside its list, and the tab "w/c" lists the water/cement ratio of
// the processes with cement; without kinds none of them is shown.
class TFanaliza : public QDialog {
    Q_OBJECT

public:
    TFanaliza(Station& station, Dialogs& dialogs, Printer& printer, const Clock& clock,
              ReportFilters::Choosers choosers, QWidget* parent = nullptr);
    ~TFanaliza() override;

    // Shows the window modally, with the range and filters given, until " Zamknij".
    void run(const ReportQuery& query);

private:
    QWidget* make_consumption();
    QWidget* make_accuracy();
    QWidget* make_daily();
    QWidget* make_water_cement();
    QWidget* make_kind_choice();
    QWidget* make_buttons();
    void refresh();
    void show_analysis();
    void show_kind();
    void show_doses();

    ArrowForDialogs dialogs_;
    QtSaveFileDialog qt_save_dialog_;
    ArrowForSaveDialog save_dialog_;
    ProductionAnalysisWindow analysis_;
    ReportFilters* filters_;
    QPushButton* BBrefresh;
    QTabWidget* PCviews;
    QTreeWidget* LVconsumption;
    QLabel* Lkind_totals;
    QTreeWidget* LVkind_totals;
    QTreeWidget* LVaccuracy;
    QCheckBox* CBoutside_only;
    QLabel* Ldoses;
    QTableView* TVdoses;
    DoseTableModel* doses_;
    DailyChart* PBdaily_chart;
    QTreeWidget* LVdays;
    QTreeWidget* LVwater_cement;
    QLabel* Lwater_cement_summary;
    QComboBox* CBkind;
    QPushButton* BBprint;
    QPushButton* BBsave;
    QPushButton* BBclose;
};

}  // namespace wazenie
