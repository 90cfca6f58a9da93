#include "app/cli/audit_command.h"

#include <iostream>
#include <optional>

#include "app/cli/cli_dialogs.h"
#include "app/cli/command_line.h"
#include "app/cli/data_folder.h"
#include "app/cli/exit_codes.h"
#include "reports/audit_table.h"
#include "storage/date_time.h"

namespace wazenie {

namespace {

// The day an option names, 0 without the option; nothing when it is no date (the message shown).
std::optional<DateTime> day_option(const ParsedOptions& parsed, const char* name, Dialogs& dialogs) {
    const auto text = parsed.value(name);
    if (!text) {
        return DateTime{0};
    }
    const auto day = text->size() == 10 ? parse_date_time(*text + " 00:00:00") : std::nullopt;
    if (!day) {
        dialogs.error(std::string("opcja ") + name + " wymaga daty RRRR-MM-DD: " + *text);
    }
    return day;
}

}  // namespace

int audit_command(const CommandContext& context) {
    TerminalDialogs dialogs(std::cerr);
    const auto parsed =
        checked_options(context.args, {{"--from", true}, {"--to", true}, {"--csv", true}}, {});
    if (!parsed) {
        return exit_code::kRefused;
    }
    const auto from = day_option(*parsed, "--from", dialogs);
    const auto to = day_option(*parsed, "--to", dialogs);
    if (!from || !to || !data_dir_exists(context.data_dir, dialogs)) {
        return exit_code::kRefused;
    }
    const auto file = audit_trail_path(context.data_dir);
    const auto read = read_audit_trail(file);
    if (!read) {
        dialogs.error("Nie można odczytać pliku: " + file.string() + ", " + read.error().what);
        return exit_code::kFileError;
    }
    for (const std::string& damaged : read->damaged) {
        dialogs.warning("Nieczytelny wiersz pliku " + file.string() + ": " + damaged);
    }
    const TextTable table = audit_table(filter_audit(read->entries, *from, *to, ""));
    const auto csv = parsed->value("--csv");
    if (!csv) {
        return print_lines(table.rows.empty() ? std::vector<std::string>{"Brak zmian w dzienniku."}
                                              : aligned_lines(table));
    }
    if (!write_csv_file(*csv, table_csv(table))) {
        dialogs.error("Błąd (51) przy zapisie do pliku: " + *csv +
                      "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        return exit_code::kFileError;
    }
    dialogs.information("Dziennik zmian zapisano do pliku: " + *csv);
    return exit_code::kDone;
}

}  // namespace wazenie
