// The desktop program's CPU use while it runs a process against meter-emulator over a pseudo-terminal
// pair, through the real main window (shown, logged in, "  Start" pressed), and the exchanges per
// tick of its 9 ms main loop. Prints figures; judges nothing.
// Usage: bench_desktop_cpu [SECONDS [LOG]]   (default 60 s, LOG 0: the technical panel hidden; 1 shown)
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include "comm/counting_link.h"
#include "fakes/fake_dialogs.h"
#include "integration/pty_bridge.h"
#include "platform/qt_printer.h"
#include "platform/qt_serial_link.h"
#include "station/station.h"
#include "storage/system_clock.h"
#include "storage/text_file.h"
#include "ui/main_window.h"
#include "ui/support/modal_watch.h"
#include "windows/weighing_params_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace wazenie;

namespace {

// The demo's recipes at 115200 bps with no wait between requests, the port pointing at the bridge.
bool write_data(const std::filesystem::path& dir, const std::string& station_device, int log) {
    for (const char* name : {"receptury.txt", "materialy.txt", "klienci.txt"}) {
        std::filesystem::copy_file(std::filesystem::path(DEMO_DATA) / name, dir / name);
    }
    return text_file::write_lines(dir / "konfig.ini", {"[Podlaczone_wagi]",
                                                       "waga1=1",
                                                       "waga2=1",
                                                       "waga3=1",
                                                       "waga4=1",
                                                       "[Masa maksymalna wagi]",
                                                       "waga1=400",
                                                       "waga2=1500",
                                                       "waga3=200",
                                                       "waga4=50",
                                                       "[Precyzja wagi]",
                                                       "waga1=0",
                                                       "waga2=0",
                                                       "waga3=0",
                                                       "waga4=0",
                                                       "[Polaczenie_RS]",
                                                       "port=1",
                                                       "predkosc=115200",
                                                       "czas_oczekiwania=50",
                                                       "opoznienie_wysylania=0",
                                                       "opoznienie_wysylania_receptury=0",
                                                       "[Inne]",
                                                       "log=" + std::to_string(log),
                                                       "[Porty]",
                                                       "COM1=" + station_device})
        .ok();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const int log = argc > 2 ? std::atoi(argv[2]) : 0;

    testing::PtyBridge bridge;
    QTemporaryDir dir;
    const std::filesystem::path data = dir.path().toStdString();
    if (!bridge.ok() || !dir.isValid() || !write_data(data, bridge.station_device(), log)) {
        std::fprintf(stderr, "desktop_cpu: nie można przygotować łącza ani danych\n");
        return 1;
    }
    QProcess emulator;
    emulator.start(QStringLiteral(METER_EMULATOR),
                   {"--baud", "115200", "--rate", "5", QString::fromStdString(bridge.meter_device())});
    if (!emulator.waitForStarted()) {
        std::fprintf(stderr, "desktop_cpu: meter-emulator się nie uruchomił\n");
        return 1;
    }

    QtSerialLink serial;
    CountingLink link(serial);
    SystemClock clock;
    testing::FakeDialogs dialogs;
    dialogs.values.push_back("817");
    QtPrinter printer;
    TForm1 window({data, link, clock, dialogs, printer});
    window.resize(1280, 1024);
    testing::when_modal_shown(QStringLiteral("TFwytop"), [](QWidget* login) {
        login->findChild<QPushButton*>(QStringLiteral("BBok"))->click();
    });
    window.show();
    while (!window.logged_in()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    Station& station = window.station();
    WeighingParamsConfirmation(station, dialogs, clock).confirm({"B20 beton towarowy", "30000", "BUDREX"});
    window.findChild<QPushButton*>(QStringLiteral("SBstart"))->click();

    const std::int32_t first_tick = station.process().r.cp_tick;
    const long first_frames = link.frames_written();
    const std::clock_t first_cpu = std::clock();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    QApplication::exec();

    const double cpu_s = static_cast<double>(std::clock() - first_cpu) / CLOCKS_PER_SEC;
    const double wall_s = static_cast<double>(wall.elapsed()) / 1000.0;
    const double ticks = tick_distance(station.process().r.cp_tick, first_tick);
    const double frames = static_cast<double>(link.frames_written() - first_frames);
    std::printf("desktop_cpu: log=%d, %.1f s, cykl %d z %d, ticks=%.0f, frames=%.0f\n", log, wall_s,
                station.process().r.curr_cycle, station.process().r.total_cycle, ticks, frames);
    std::printf("desktop_cpu: CPU use = %.2f %% of one core (aim < 5 %%)\n", 100.0 * cpu_s / wall_s);
    std::printf("desktop_cpu: exchanges per tick = %.3f (aim >= 0.9)\n", ticks > 0 ? frames / ticks : 0.0);
    std::printf("desktop_cpu: real tick period = %.3f ms (aim 9 ms)\n",
                ticks > 0 ? 1000.0 * wall_s / ticks : 0.0);
    window.close();
    emulator.kill();
    emulator.waitForFinished();
    return 0;
}
