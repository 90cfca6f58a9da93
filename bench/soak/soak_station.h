#pragma once

#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/cli_dialogs.h"
#include "app/cli/cli_station.h"
#include "integration/pty_bridge.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace wazenie {
struct RunOptions;
}

namespace wazenie::bench {

struct SoakRun {
    int started = 0;  // processes started; every one but a last unfinished one has ended
    double seconds = 0;
};

// What the soak benchmarks share: one headless station, as wazenie-cli drives it, on a fresh data
// folder, against meter-emulator over a pseudo-terminal pair at 115200 baud, with processes run back
// to back. Its messages go to standard error after the benchmark's name.
class SoakStation {
public:
    explicit SoakStation(std::string name) : name_(std::move(name)) {}
    ~SoakStation() { stop(); }
    SoakStation(const SoakStation&) = delete;
    SoakStation& operator=(const SoakStation&) = delete;

    // Writes receptury.txt and konfig.ini (every scale connected and emptied to the last kilogram, the
    // shortest waits the line allows, then `settings_lines`), starts meter-emulator with
    // `emulator_options` and the station, logged in as the administrator. False (said) when any failed.
    bool start(const std::vector<std::string>& recipe_lines, const std::vector<std::string>& settings_lines,
               const QStringList& emulator_options);
    // Up to `processes` of `options` back to back, `after_each(k)` once the k-th (from 0) has ended;
    // stops at a process refused or not ended within 120 s (said), which blocks the next one.
    SoakRun run(const RunOptions& options, int processes, const std::function<void(int)>& after_each = {});
    // Closes the station, which writes its files, and ends the emulator; the station stays to be read.
    void stop();

    Station& station() { return cli_->station(); }
    TerminalDialogs& dialogs() { return dialogs_; }
    const std::filesystem::path& data() const { return data_; }

private:
    bool fail(const char* text) const;

    std::string name_;
    testing::PtyBridge bridge_;
    QTemporaryDir dir_;
    std::filesystem::path data_;
    QProcess emulator_;
    TerminalDialogs dialogs_{std::cerr};
    std::optional<CliStation> cli_;
    bool closed_ = false;
};

}  // namespace wazenie::bench
