#pragma once

#include "platform/qt_clipboard.h"
#include "platform/qt_save_file_dialog.h"
#include "ui/busy_cursor.h"
#include "ui/report_filters.h"
#include "windows/report_window.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTreeView;
class QTreeWidget;

namespace wazenie {

class Clock;
class Dialogs;
class Printer;
class ReportRowsModel;
class Station;

// "Raport ważeń zakończonych" over the report controller: the range and filters, the list of logged
// processes, the selected one's masses by cycle, its WZ again, and the report printed, copied or
// saved. Keep one window for the program's life: the range and filters stay between openings.
class TFraport : public QDialog {
    Q_OBJECT

public:
    TFraport(Station& station, Dialogs& dialogs, Printer& printer, const Clock& clock,
             QWidget* parent = nullptr);
    ~TFraport() override;

    // Shows the window modally until " Zamknij".
    void run();

signals:
    // The printer chosen for a WZ printed again, for the main window's status bar.
    void printer_chosen(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* make_details();
    QWidget* make_report_buttons();
    void open_analysis();
    ReportFilters::Choosers choosers();
    void refresh();
    void show_details();

    Station& station_;
    Dialogs& plain_dialogs_;
    Printer& printer_;
    const Clock& clock_;
    ArrowForDialogs dialogs_;
    QtClipboard clipboard_;
    QtSaveFileDialog qt_save_dialog_;
    ArrowForSaveDialog save_dialog_;
    WeighingReport report_;
    ReportFilters* filters_;
    QPushButton* BBrefresh;
    ReportRowsModel* rows_;
    QTreeView* LVreport;
    QComboBox* CBcycle;
    QTreeWidget* LVdetails;
    QPushButton* BBprint_wz;
    QPushButton* BBkarta_zarobu;
    QPushButton* BBprint_report;
    QPushButton* BBcopy_report;
    QPushButton* BBsave_report;
    QPushButton* BTanaliza;
    QPushButton* BBclose;
};

}  // namespace wazenie
