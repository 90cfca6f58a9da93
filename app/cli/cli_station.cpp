#include "app/cli/cli_station.h"

#include <iostream>

#include "app/cli/cli_changes.h"
#include "app/cli/exit_codes.h"
#include "comm/exchange_log.h"

namespace wazenie {

CliStation::CliStation(const std::filesystem::path& data_dir, bool simulate, bool verbose,
                       TerminalDialogs& dialogs)
    : lock_(data_dir),
      dialogs_(dialogs),
      display_(std::cerr),
      serial_([this](const std::string& text) {
          if (station_for_errors_) {
              station_for_errors_->exchange_log().log_line(log_code::ERROR, text);
          }
      }),
      link_(simulate ? static_cast<SerialLink&>(simulated_) : serial_),
      station_(data_dir, link_, clock_, dialogs, display_) {
    station_for_errors_ = &station_;
    station_.set_unattended_name(kCliOperator);
    display_.watch(station_.process());
    if (verbose) {
        station_.exchange_log().add_observer(
            {[](const std::string& line) { std::cerr << line << std::endl; }, {}});
    }
}

std::optional<int> CliStation::start_up() {
    if (!lock_.acquire()) {
        dialogs_.error(lock_.refusal_message());
        return lock_.refusal_message() == kAlreadyRunningMessage ? exit_code::kAlreadyRunning
                                                                 : exit_code::kFileError;
    }
    station_.start_up();
    return std::nullopt;
}

}  // namespace wazenie
