#include <filesystem>
#include <iostream>

#include "app/cli/cli_command.h"
#include "app/cli/cli_dialogs.h"
#include "app/cli/cli_station.h"
#include "app/cli/cli_weighing_params.h"
#include "app/cli/data_folder.h"
#include "app/cli/exit_codes.h"
#include "app/cli/login.h"
#include "app/cli/run_loop.h"
#include "app/cli/run_options.h"
#include "app/cli/unattended_simulation.h"
#include "clients/client_file.h"
#include "comm/simulation.h"
#include "core/number_text.h"
#include "platform/stop_signals.h"
#include "reports/stock_book.h"

namespace wazenie {

namespace {

void print_statistics(const LoopOutcome& loop, long frames) {
    double period_ms = loop.ticks > 0 ? loop.seconds * 1000 / static_cast<double>(loop.ticks) : 0;
    double per_tick = loop.ticks > 0 ? static_cast<double>(frames) / static_cast<double>(loop.ticks) : 0;
    std::cerr << "statystyka: takty: " << loop.ticks << ", czas: " << fixed_text(loop.seconds, 3)
              << " s, okres taktu: " << fixed_text(period_ms, 3) << " ms, wysłane ramki: " << frames
              << ", ramek na takt: " << fixed_text(per_tick, 3) << std::endl;
}

bool start_new_process(Station& station, const RunOptions& options, TerminalDialogs& dialogs) {
    if (!confirm_weighing_params(station, options, dialogs)) {
        return false;
    }
    // Nobody is there to answer the stock's question: without --tak the start is refused.
    if (const auto short_of = station.stock_shortages_at_start(); !short_of.empty() && !options.yes) {
        for (const Shortage& shortage : short_of) {
            dialogs.error(shortage_text(shortage) +
                          " Proces nie został rozpoczęty (--tak: mimo to rozpocząć).");
        }
        return false;
    }
    station.start_process();
    const pending_command& cpq = station.process().cpq;
    return cpq.status == command_status::WAITING && cpq.msg == CP_MSG_RECIPE;
}

// From the login to the end of the process; the station is open and its port connected.
// `errors_before_loop` lets the caller tell a write failure during the process from earlier messages.
int run_process(Station& station, const RunOptions& options, TerminalDialogs& dialogs,
                const CountingLink& link, int& errors_before_loop) {
    auto user = log_in_operator(station.data_dir(), options.operator_name, std::cin, dialogs);
    if (!user) {
        return exit_code::kRefused;
    }
    station.log_in(*user);
    if (options.resume) {
        if (!station.resume_process()) {
            dialogs.error("W status.txt nie ma niezakończonego procesu naważania.");
            return exit_code::kRefused;
        }
    } else if (!start_new_process(station, options, dialogs)) {
        return exit_code::kRefused;
    }
    std::unique_ptr<Simulation> simulation;
    if (options.simulate) {
        simulation = make_unattended_simulation(station);
    }
    errors_before_loop = dialogs.errors_shown();
    // From here a signal closes the station as the window's closing does; earlier there is nothing
    // to save, and a password prompt must stay interruptible.
    catch_stop_signals();
    LoopOutcome loop = run_until_process_ends(station, simulation.get(), options.timeout_seconds);
    if (options.verbose) {
        print_statistics(loop, link.frames_written());
    }
    if (loop.interrupted) {
        dialogs.information("Przerwano sygnałem; proces zapisano w status.txt (dalej: run --resume).");
        return exit_code::kInterrupted;
    }
    if (station.weight_doc_refused()) {
        return exit_code::kFileError;  // the station has told why
    }
    if (!loop.finished) {
        dialogs.error("Proces naważania nie został zakończony w ciągu " +
                      general_text(*options.timeout_seconds) + " s.");
        return exit_code::kTimedOut;
    }
    return exit_code::kDone;
}

}  // namespace

int run_command(const CommandContext& context) {
    TerminalDialogs dialogs(std::cerr);
    auto options = parse_run_options(context.args);
    if (!options) {
        dialogs.error(options.error().what);
        return exit_code::kRefused;
    }
    if (!data_dir_exists(context.data_dir, dialogs)) {
        return exit_code::kRefused;
    }
    if (!options->client.empty() && !find_client(context.data_dir, options->client)) {
        dialogs.error("Nie ma klienta: " + options->client + " (klienci.txt)");
        return exit_code::kRefused;
    }
    CliStation cli(context.data_dir, options->simulate, options->verbose, dialogs);
    if (auto refused = cli.start_up()) {
        return *refused;
    }
    Station& station = cli.station();
    if (!cli.link().is_open()) {
        dialogs.error(station.connection_text());
        station.close();
        return exit_code::kNoPort;
    }
    int errors_before_loop = 0;
    int result = run_process(station, *options, dialogs, cli.link(), errors_before_loop);
    station.close();
    // While the process runs, and at closing, the station's only error boxes are failed writes.
    if (result == exit_code::kDone && dialogs.errors_shown() > errors_before_loop) {
        return exit_code::kFileError;
    }
    return result;
}

}  // namespace wazenie
