#include "bench/soak/soak_station.h"

#include <cstdio>

#include "app/cli/cli_weighing_params.h"
#include "app/cli/run_loop.h"
#include "app/cli/run_options.h"
#include "storage/text_file.h"

#include <QElapsedTimer>

namespace wazenie::bench {

namespace {

constexpr double kProcessSeconds = 120;

std::vector<std::string> line_settings(const std::string& station_device) {
    return {"[Podlaczone_wagi]",
            "waga1=1",
            "waga2=1",
            "waga3=1",
            "waga4=1",
            "[Oproznianie_zbiornika]",
            "waga1_min=1",
            "waga2_min=1",
            "waga3_min=1",
            "waga4_min=1",
            "waga1_sta=1",
            "waga2_sta=1",
            "waga3_sta=1",
            "waga4_sta=1",
            "[Polaczenie_RS]",
            "port=1",
            "predkosc=115200",
            "czas_oczekiwania=25",
            "opoznienie_wysylania=0",
            "opoznienie_wysylania_receptury=0",
            "[Porty]",
            "COM1=" + station_device};
}

}  // namespace

bool SoakStation::fail(const char* text) const {
    std::fprintf(stderr, "%s: %s\n", name_.c_str(), text);
    return false;
}

bool SoakStation::start(const std::vector<std::string>& recipe_lines,
                        const std::vector<std::string>& settings_lines, const QStringList& emulator_options) {
    data_ = dir_.path().toStdString();
    std::vector<std::string> konfig = line_settings(bridge_.station_device());
    konfig.insert(konfig.end(), settings_lines.begin(), settings_lines.end());
    if (!bridge_.ok() || !dir_.isValid() ||
        !text_file::write_lines(data_ / "receptury.txt", recipe_lines).ok() ||
        !text_file::write_lines(data_ / "konfig.ini", konfig).ok()) {
        return fail("nie można przygotować łącza ani danych");
    }
    emulator_.start(QStringLiteral(METER_EMULATOR), QStringList{"--baud", "115200"}
                                                        << emulator_options
                                                        << QString::fromStdString(bridge_.meter_device()));
    if (!emulator_.waitForStarted() || !emulator_.waitForReadyRead(10000)) {
        return fail("meter-emulator się nie uruchomił");
    }
    cli_.emplace(data_, false, false, dialogs_);
    if (cli_->start_up() || !cli_->link().is_open()) {
        return fail("stacja nie otworzyła portu");
    }
    station().log_in("ADMINISTRATOR");
    return true;
}

SoakRun SoakStation::run(const RunOptions& options, int processes,
                         const std::function<void(int)>& after_each) {
    SoakRun outcome;
    QElapsedTimer wall;
    wall.start();
    for (int k = 0; k < processes; ++k) {
        if (!confirm_weighing_params(station(), options, dialogs_)) {
            break;
        }
        station().start_process();
        ++outcome.started;
        if (!run_until_process_ends(station(), nullptr, kProcessSeconds).finished) {
            std::fprintf(stderr, "%s: proces %d nie skończył się w %.0f s\n", name_.c_str(), outcome.started,
                         kProcessSeconds);
            break;
        }
        if (after_each) {
            after_each(k);
        }
    }
    outcome.seconds = static_cast<double>(wall.elapsed()) / 1000.0;
    return outcome;
}

void SoakStation::stop() {
    if (cli_ && !closed_) {
        station().close();
        closed_ = true;
    }
    if (emulator_.state() != QProcess::NotRunning) {
        emulator_.kill();
        emulator_.waitForFinished();
    }
}

}  // namespace wazenie::bench
