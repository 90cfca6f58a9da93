// The report window over a year of weighing logs (12 months of 6000 processes): "Odśwież raport"
// clicked until the list is filled and painted. Aim: under 150 ms, most of it reading the logs. The
// production analysis window over the same year.
#include <filesystem>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/fake_printer.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "station/station.h"
#include "ui/production_window.h"
#include "ui/report_window.h"
#include "ui/support/report_logs.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

struct ReportBench {
    ReportBench() {
        std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive);
        station.start_up();
        for (int month = 1; month <= 12 && ready; ++month) {
            ready = testing::write_month_log(dir.path(), 2023, month, 6000, station.settings());
        }
    }

    testing::ScratchDir dir;
    testing::FakeSerialLink link;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    testing::FakeDisplay display;
    testing::FakePrinter printer;
    Station station{dir.path(), link, clock, dialogs, display};
    bool ready = true;
};

ReportBench& report_bench() {
    static ReportBench b;
    return b;
}

void BM_ReportWindowYearRefresh(benchmark::State& state) {
    ReportBench& b = report_bench();
    if (!b.ready) {
        state.SkipWithError("the logs could not be written");
        return;
    }
    TFraport window(b.station, b.dialogs, b.printer, b.clock);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("Edate_from"))->setText(QStringLiteral("2023-01-01"));
    window.findChild<QLineEdit*>(QStringLiteral("Edate_to"))->setText(QStringLiteral("2023-12-31"));
    auto* refresh = window.findChild<QPushButton*>(QStringLiteral("BBrefresh"));
    auto* list = window.findChild<QTreeView*>(QStringLiteral("LVreport"));
    QApplication::processEvents();
    for (auto _ : state) {
        refresh->click();
        QApplication::processEvents();
    }
    state.counters["rows"] = list->model()->rowCount();
}
BENCHMARK(BM_ReportWindowYearRefresh)->Unit(benchmark::kMillisecond)->Iterations(3);

// "Analiza produkcji" over the same year: "Odśwież analizę" until its tabs are filled and the
// accuracy tab with its 432,000 doses is painted. Aim: well under 1 s.
void BM_AnalysisWindowYearRefresh(benchmark::State& state) {
    ReportBench& b = report_bench();
    if (!b.ready) {
        state.SkipWithError("the logs could not be written");
        return;
    }
    TFanaliza window(b.station, b.dialogs, b.printer, b.clock, {});
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("Edate_from"))->setText(QStringLiteral("2023-01-01"));
    window.findChild<QLineEdit*>(QStringLiteral("Edate_to"))->setText(QStringLiteral("2023-12-31"));
    window.findChild<QTabWidget*>(QStringLiteral("PCviews"))->setCurrentIndex(1);
    auto* refresh = window.findChild<QPushButton*>(QStringLiteral("BBrefresh"));
    QApplication::processEvents();
    for (auto _ : state) {
        refresh->click();
        QApplication::processEvents();
    }
    state.counters["doses"] = window.findChild<QTableView*>(QStringLiteral("TVdoses"))->model()->rowCount();
}
BENCHMARK(BM_AnalysisWindowYearRefresh)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace wazenie
