// The cost of the main window's refresh after a weight answer, through the real window: the answer
// goes to the station, and the window applies what it asks for (the connection messages, the scale
// panels and the cycle list) as its gathered refresh does. Also counts the widget writes of an answer
// that changes nothing (aim: none).
#include <filesystem>
#include <iostream>
#include <memory>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "platform/qt_printer.h"
#include "station/station.h"
#include "ui/list_sync.h"
#include "ui/main_window.h"
#include "windows/weighing_params_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

// A window over fakes with the demo's recipe loaded and the process started.
struct Bench {
    Bench() {
        std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive);
        window = std::make_unique<TForm1>(DesktopSeams{dir.path(), link, clock, dialogs, printer});
        window->resize(1280, 1024);
        Station& station = window->station();
        station.log_in("ADMINISTRATOR");
        WeighingParamsConfirmation(station, dialogs, clock).confirm({"B20 beton towarowy", "3000", "BUDREX"});
        station.start_process();
        QApplication::processEvents();
    }

    testing::ScratchDir dir;
    testing::FakeSerialLink link;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    QtPrinter printer;
    std::unique_ptr<TForm1> window;
};

Bench& bench() {
    static Bench b;
    return b;
}

// What the window's gathered refresh applies after a weight answer.
void answer_and_refresh(double mass) {
    TForm1& window = *bench().window;
    window.station().on_weight_answer(2, 1, 1, 0, mass);
    window.refresh_scales(window.station().process().r.view_cycle);
    window.refresh_connection();
}

// A growing reading of material 1 on scale 2: one material cell, the scale's mass, gauge and the
// cycle list change with every answer.
void BM_RefreshAfterWeightAnswer(benchmark::State& state) {
    double mass = 0;
    for (auto _ : state) {
        mass = mass >= 1000 ? 0 : mass + 1;
        answer_and_refresh(mass);
    }
}
BENCHMARK(BM_RefreshAfterWeightAnswer);

void BM_RefreshAfterUnchangedAnswer(benchmark::State& state) {
    answer_and_refresh(500);
    const long long before = sync::writes();
    for (auto _ : state) {
        answer_and_refresh(500);
    }
    state.counters["writes_per_answer"] =
        static_cast<double>(sync::writes() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RefreshAfterUnchangedAnswer);

}  // namespace
}  // namespace wazenie

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
