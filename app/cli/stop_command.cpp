#include <iostream>

#include "app/cli/cli_command.h"
#include "app/cli/cli_dialogs.h"
#include "app/cli/cli_station.h"
#include "app/cli/command_line.h"
#include "app/cli/data_folder.h"
#include "app/cli/exit_codes.h"
#include "app/cli/login.h"
#include "app/cli/run_loop.h"
#include "app/cli/run_options.h"
#include "core/number_text.h"
#include "platform/stop_signals.h"
#include "station/pending_command.h"
#include "station/scale_search.h"

namespace wazenie {

namespace {

// The STO frames once the record is written; the port is closed by the caller.
int send_stop(Station& station, const CountingLink& link, TerminalDialogs& dialogs,
              std::optional<double> timeout_seconds) {
    if (!link.is_open()) {
        dialogs.error("Nie wysłano STOP do wag: " + station.connection_text());
        return exit_code::kNoPort;
    }
    catch_stop_signals();
    LoopOutcome loop = run_until_command_sent(station, timeout_seconds);
    if (loop.interrupted) {
        return exit_code::kInterrupted;
    }
    if (!loop.finished) {
        dialogs.error("Nie wysłano STOP do wag w ciągu " + general_text(*timeout_seconds) + " s.");
        return exit_code::kTimedOut;
    }
    return exit_code::kDone;
}

int stop_process(Station& station, const ParsedOptions& options, const CountingLink& link,
                 TerminalDialogs& dialogs, std::optional<double> timeout_seconds) {
    auto user = log_in_operator(station.data_dir(), options.value("--operator").value_or("ADMINISTRATOR"),
                                std::cin, dialogs);
    if (!user) {
        return exit_code::kRefused;
    }
    station.log_in(*user);
    if (first_scale(station.process(), ScaleCriterion::with_recipe) == 0) {
        dialogs.error("W status.txt nie ma procesu naważania.");
        return exit_code::kRefused;
    }
    const int errors_before = dialogs.errors_shown();
    station.stop_process();
    const pending_command& cpq = station.process().cpq;
    if (cpq.status != command_status::WAITING || cpq.msg != CP_MSG_STOP) {
        return exit_code::kRefused;
    }
    // Stopping only writes files here; an error box means the record or the status was not written.
    if (dialogs.errors_shown() > errors_before) {
        return exit_code::kFileError;
    }
    return send_stop(station, link, dialogs, timeout_seconds);
}

}  // namespace

int stop_command(const CommandContext& context) {
    TerminalDialogs refusals(std::cerr);
    auto options = parse_options(
        context.args, {{"--operator", true}, {"--tak", false}, {"--timeout", true}, {"--verbose", false}});
    if (!options) {
        refusals.error(options.error().what);
        return exit_code::kRefused;
    }
    auto timeout = parse_timeout(*options);
    if (!timeout) {
        refusals.error(timeout.error().what);
        return exit_code::kRefused;
    }
    if (!data_dir_exists(context.data_dir, refusals)) {
        return exit_code::kRefused;
    }
    TerminalDialogs dialogs(std::cerr, options->flag("--tak") ? nullptr : &std::cin);
    CliStation cli(context.data_dir, false, options->flag("--verbose"), dialogs);
    if (auto refused = cli.start_up()) {
        return *refused;
    }
    int result = stop_process(cli.station(), *options, cli.link(), dialogs, *timeout);
    cli.station().close();
    return result;
}

}  // namespace wazenie
