#include "app/cli/document_command.h"

#include <iostream>

#include "app/cli/cli_dialogs.h"
#include "app/cli/command_line.h"
#include "app/cli/data_folder.h"
#include "app/cli/exit_codes.h"
#include "app/cli/latest_record.h"
#include "clients/client_process.h"
#include "platform/qt_document_painter.h"
#include "storage/process_file.h"

namespace wazenie {

namespace {

// --month and --start as given (both empty when neither was: the latest record of the number is wanted);
// nothing when only one was given (the message has been shown).
std::optional<RecordPlace> given_place(const ParsedOptions& parsed) {
    const auto month = parsed.value("--month");
    const auto start = parsed.value("--start");
    if (month.has_value() != start.has_value()) {
        std::cerr << "błąd: opcje --month i --start podaje się razem\n";
        return std::nullopt;
    }
    return RecordPlace{month.value_or(""), start.value_or("")};
}

}  // namespace

int document_command(const CommandContext& context, const ProcessDocument& document) {
    const auto parsed = checked_options(
        context.args, {{"--month", true}, {"--doc", true}, {"--start", true}, {"--pdf", true}}, {"--doc"});
    TerminalDialogs refusals(std::cerr);
    if (!parsed || !data_dir_exists(context.data_dir, refusals)) {
        return exit_code::kRefused;
    }
    const std::string doc = *parsed->value("--doc");
    auto place = given_place(*parsed);
    if (!place) {
        return exit_code::kRefused;
    }
    if (place->month.empty()) {
        const auto found = find_latest_record(context.data_dir, doc);
        if (!found) {
            TerminalDialogs(std::cerr).error(found.error().what);
            return exit_code::kFileError;
        }
        if (!*found) {
            std::cerr << "błąd: Brak dokumentu WZ nr " << doc << " w plikach z danymi.\n";
            return exit_code::kRefused;
        }
        place = **found;
    }
    const std::string& month = place->month;
    if (month.size() != 6 || month.find_first_not_of("0123456789") != std::string::npos) {
        std::cerr << "błąd: miesiąc --month ma postać RRRRMM: " << month << "\n";
        return exit_code::kRefused;
    }
    FoundProcess found;
    found.month = month;
    Scales configured;
    load_settings(settings_file_path(context.data_dir), found.settings, configured);
    for (int i = Scales::first; i <= Scales::last; ++i) {
        found.p.w[i].precision = configured[i].precision;
    }
    TerminalDialogs dialogs(std::cerr);
    const auto loaded = load_process_with_client(found.p, context.data_dir, month, doc, place->start_time);
    if (!loaded) {
        dialogs.error(loaded.error().what);
        return exit_code::kRefused;
    }
    const auto made = document(found, dialogs);
    if (!made) {
        return exit_code::kFileError;
    }
    const auto pdf = parsed->value("--pdf");
    if (!pdf) {
        return print_lines(made->plain_lines());
    }
    if (const auto written = write_pdf(*made, *pdf); !written) {
        dialogs.error(written.error().what);
        return exit_code::kFileError;
    }
    return exit_code::kDone;
}

}  // namespace wazenie
