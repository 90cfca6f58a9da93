#pragma once

#include <filesystem>
#include <optional>

#include "app/cli/cli_dialogs.h"
#include "app/cli/connection_report.h"
#include "comm/counting_link.h"
#include "comm/simulated_link.h"
#include "platform/instance_lock.h"
#include "platform/qt_serial_link.h"
#include "station/station.h"
#include "storage/system_clock.h"

namespace wazenie {

// The station of one wazenie-cli command that works the line: the real port or the simulated
// line, the system clock, no window: a scale that stops answering, or answers again, is told on
// standard error. The exchange log's lines go there too with `verbose`.
class CliStation {
public:
    CliStation(const std::filesystem::path& data_dir, bool simulate, bool verbose, TerminalDialogs& dialogs);
    CliStation(const CliStation&) = delete;
    CliStation& operator=(const CliStation&) = delete;

    // Takes the data folder's lock, then starts the station up (its port opened when it can be). A
    // refusal (a second copy, a read-only folder) is shown and its exit code returned; the station
    // has then read and written nothing.
    std::optional<int> start_up();

    Station& station() { return station_; }
    const CountingLink& link() const { return link_; }

private:
    InstanceLock lock_;
    TerminalDialogs& dialogs_;
    SystemClock clock_;
    ConnectionReport display_;
    Station* station_for_errors_ = nullptr;
    QtSerialLink serial_;
    SimulatedLink simulated_;
    CountingLink link_;
    Station station_;
};

}  // namespace wazenie
