#include "app/cli/stock_commands.h"

#include <iostream>

#include "app/cli/cli_dialogs.h"
#include "app/cli/command_line.h"
#include "app/cli/data_folder.h"
#include "app/cli/exit_codes.h"
#include "app/cli/login.h"
#include "reports/stock_book.h"
#include "reports/stock_sheet.h"
#include "storage/settings.h"
#include "storage/system_clock.h"
#include "windows/rights.h"

namespace wazenie {

namespace {

int show_stock(const std::filesystem::path& data_dir, TerminalDialogs& dialogs) {
    const auto files = read_stock_files(data_dir, dialogs);
    if (!files) {
        return exit_code::kFileError;
    }
    const StockBook book(files->entries);
    return print_lines(stock_document(book, files->levels, SystemClock().now()).plain_lines());
}

// A delivery or a count, by an operator who logs in and may keep the stock.
int post_movement(const CommandContext& context, bool delivery, TerminalDialogs& dialogs) {
    std::vector<OptionRule> rules{{"--material", true}, {"--kg", true}, {"--operator", true}};
    if (delivery) {
        rules.push_back({"--dokument", true});
    }
    const std::vector<std::string> args(context.args.begin() + 1, context.args.end());
    const auto parsed = checked_options(args, rules, {"--material", "--kg"});
    if (!parsed || !data_dir_exists(context.data_dir, dialogs)) {
        return exit_code::kRefused;
    }
    const auto user = log_in_operator(context.data_dir, parsed->value("--operator").value_or("ADMINISTRATOR"),
                                      std::cin, dialogs);
    if (!user) {
        return exit_code::kRefused;
    }
    Settings settings;
    Scales w;
    load_settings(settings_file_path(context.data_dir), settings, w);
    if (!may_keep_stock(settings, *user)) {
        dialogs.error(
            "Magazyn prowadzi tylko administrator (chyba że konfig.ini [Uprawnienia] "
            "magazyn_dla_wszystkich=1).");
        return exit_code::kRefused;
    }
    const auto files = read_stock_files(context.data_dir, dialogs);
    if (!files) {
        return exit_code::kFileError;
    }
    const DateTime now = SystemClock().now();
    const std::string material = *parsed->value("--material");
    const std::string kg = *parsed->value("--kg");
    const auto entry =
        delivery ? delivery_entry(material, kg, parsed->value("--dokument").value_or(""), *user, now)
                 : count_entry(StockBook(files->entries), material, kg, *user, now);
    if (!entry) {
        dialogs.error(entry.error().what);
        return exit_code::kRefused;
    }
    const auto ledger = stock_ledger_path(context.data_dir);
    if (!append_stock_entries(ledger, {*entry})) {
        dialogs.error(stock_write_error(ledger));
        return exit_code::kFileError;
    }
    dialogs.information(std::string(delivery ? "Zapisano dostawę: " : "Zapisano inwentaryzację: ") +
                        entry->material + " " + stock_kg_text(entry->kg) + " kg");
    return exit_code::kDone;
}

int show_movements(const CommandContext& context, TerminalDialogs& dialogs) {
    const std::vector<std::string> args(context.args.begin() + 1, context.args.end());
    const auto parsed =
        checked_options(args, {{"--from", true}, {"--to", true}, {"--csv", true}}, {"--from", "--to"});
    if (!parsed || !data_dir_exists(context.data_dir, dialogs)) {
        return exit_code::kRefused;
    }
    const std::string from = *parsed->value("--from");
    const std::string to = *parsed->value("--to");
    const auto range = read_range({from, to, "", ""}, dialogs);
    if (!range) {
        return exit_code::kRefused;
    }
    const auto files = read_stock_files(context.data_dir, dialogs);
    if (!files) {
        return exit_code::kFileError;
    }
    const StockMovements movements = movements_between(files->entries, *range);
    const auto csv = parsed->value("--csv");
    if (!csv) {
        return print_lines(movements_document(from, to, movements, SystemClock().now(), false).plain_lines());
    }
    if (!write_csv_file(*csv, table_csv(movements_table(movements)))) {
        dialogs.error("Błąd (51) przy zapisie do pliku: " + *csv +
                      "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        return exit_code::kFileError;
    }
    dialogs.information("Ruchy magazynowe zapisano do pliku: " + *csv);
    return exit_code::kDone;
}

}  // namespace

int stock_command(const CommandContext& context) {
    TerminalDialogs dialogs(std::cerr);
    const std::string action = context.args.empty() ? "" : context.args.front();
    if (action.empty()) {
        return data_dir_exists(context.data_dir, dialogs) ? show_stock(context.data_dir, dialogs)
                                                          : exit_code::kRefused;
    }
    if (action == "dostawa" || action == "inwentura") {
        return post_movement(context, action == "dostawa", dialogs);
    }
    if (action == "ruchy") {
        return show_movements(context, dialogs);
    }
    std::cerr << "błąd: nieznane polecenie magazynu: " << action << "\n";
    return exit_code::kRefused;
}

}  // namespace wazenie
