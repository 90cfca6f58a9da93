// A working day at one station: PROCESSES weighing processes back to back (300 unless given) through
// one headless station, as wazenie-cli drives it, against meter-emulator over a pseudo-terminal pair
// with lost, damaged and split answers on the line. Prints the resident memory at the start, after the
// first process and at the end, the records written to the month logs and the processes lost
// (started, not logged). Prints figures; judges nothing.
// Usage: bench_working_day [PROCESSES]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_dialogs.h"
#include "app/cli/cli_station.h"
#include "app/cli/cli_weighing_params.h"
#include "app/cli/run_loop.h"
#include "app/cli/run_options.h"
#include "bench/process_memory.h"
#include "integration/pty_bridge.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/text_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

using namespace wazenie;

namespace {

// One cycle of every scale per process (100/120, 400/500, 50/60 and 10/12 kg at 560 kg), the shortest
// waits the line allows, and a full hopper emptied to the last kilogram.
bool write_data(const std::filesystem::path& dir, const std::string& station_device) {
    return text_file::write_lines(dir / "receptury.txt",
                                  {"Beton próbny\twaga1\tcement\t300\t\t\t\t\t\t\t\t\t\t\t\t",
                                   "Beton próbny\twaga2\tpiasek 0-2\t600\tżwir 2-8\t600\t\t\t\t\t\t\t\t\t\t",
                                   "Beton próbny\twaga3\twoda\t150\t\t\t\t\t\t\t\t\t\t\t\t",
                                   "Beton próbny\twaga4\tdomieszka\t30\t\t\t\t\t\t\t\t\t\t\t\t"})
               .ok() &&
           text_file::write_lines(dir / "konfig.ini", {"[Podlaczone_wagi]",
                                                       "waga1=1",
                                                       "waga2=1",
                                                       "waga3=1",
                                                       "waga4=1",
                                                       "[Masa maksymalna wagi]",
                                                       "waga1=120",
                                                       "waga2=500",
                                                       "waga3=60",
                                                       "waga4=12",
                                                       "[Oproznianie_zbiornika]",
                                                       "waga1_min=1",
                                                       "waga2_min=1",
                                                       "waga3_min=1",
                                                       "waga4_min=1",
                                                       "waga1_sta=1",
                                                       "waga2_sta=1",
                                                       "waga3_sta=1",
                                                       "waga4_sta=1",
                                                       "[Precyzja wagi]",
                                                       "waga1=0",
                                                       "waga2=0",
                                                       "waga3=0",
                                                       "waga4=0",
                                                       "[Polaczenie_RS]",
                                                       "port=1",
                                                       "predkosc=115200",
                                                       "czas_oczekiwania=25",
                                                       "opoznienie_wysylania=0",
                                                       "opoznienie_wysylania_receptury=0",
                                                       "[Porty]",
                                                       "COM1=" + station_device})
               .ok();
}

double resident_megabytes() {
    return bench::status_megabytes("VmRSS");
}

// The "r" lines of every month's log in the folder (a day may cross a month's end).
long logged_records(const std::filesystem::path& dir) {
    long records = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!log_month(entry.path())) {
            continue;
        }
        if (auto lines = read_process_lines(entry.path()); lines.ok()) {
            records += static_cast<long>(lines->size());
        }
    }
    return records;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int processes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;

    testing::PtyBridge bridge;
    QTemporaryDir dir;
    const std::filesystem::path data = dir.path().toStdString();
    if (!bridge.ok() || !dir.isValid() || !write_data(data, bridge.station_device())) {
        std::fprintf(stderr, "working_day: nie można przygotować łącza ani danych\n");
        return 1;
    }
    QProcess emulator;
    emulator.start(QStringLiteral(METER_EMULATOR),
                   {"--baud", "115200", "--rate", "200", "--bad-crc", "7", "--no-answer", "11", "--split",
                    "5", QString::fromStdString(bridge.meter_device())});
    if (!emulator.waitForStarted() || !emulator.waitForReadyRead(10000)) {
        std::fprintf(stderr, "working_day: meter-emulator się nie uruchomił\n");
        return 1;
    }

    TerminalDialogs dialogs(std::cerr);
    CliStation cli(data, false, false, dialogs);
    if (cli.start_up() || !cli.link().is_open()) {
        std::fprintf(stderr, "working_day: stacja nie otworzyła portu\n");
        return 1;
    }
    Station& station = cli.station();
    station.log_in("ADMINISTRATOR");
    RunOptions options;
    options.recipe = "Beton próbny";
    options.mass = "560";

    const double start_mb = resident_megabytes();
    double first_mb = start_mb;
    int started = 0;
    QElapsedTimer wall;
    wall.start();
    for (int k = 0; k < processes; ++k) {
        if (!confirm_weighing_params(station, options, dialogs)) {
            break;
        }
        station.start_process();
        ++started;
        // An unfinished process blocks the next one: the day ends there.
        if (!run_until_process_ends(station, nullptr, 120.0).finished) {
            std::fprintf(stderr, "working_day: proces %d nie skończył się w 120 s\n", started);
            break;
        }
        if (k == 0) {
            first_mb = resident_megabytes();
        }
    }
    const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;
    const double end_mb = resident_megabytes();
    station.close();
    emulator.kill();
    emulator.waitForFinished();

    const long written = logged_records(data);
    std::printf("working_day: %d of %d processes started, %.1f s (%.2f s a process)\n", started, processes,
                seconds, started > 0 ? seconds / started : 0.0);
    std::printf("working_day: records written = %ld, records lost = %ld (aim 0)\n", written,
                started - written);
    std::printf(
        "working_day: resident memory at the start = %.2f MB, after the first process = %.2f MB, "
        "at the end = %.2f MB\n",
        start_mb, first_mb, end_mb);
    std::printf("working_day: growth since the first process = %.2f MB (aim within 1 MB)\n",
                end_mb - first_mb);
    return 0;
}
