#include "app/cli/verify_command.h"

#include <iostream>
#include <optional>
#include <string>

#include "app/cli/cli_dialogs.h"
#include "app/cli/command_line.h"
#include "app/cli/data_folder.h"
#include "app/cli/exit_codes.h"
#include "core/number_text.h"
#include "reports/books_check.h"

namespace wazenie {

namespace {

// A month as the other commands give a range: "RRRRMM", "RRRR-MM" or a day "RRRR-MM-DD" of it; the
// month key, nothing when it does not read.
std::optional<int> month_option(const std::string& text) {
    std::string digits;
    if (text.size() == 6) {
        digits = text;
    } else if ((text.size() == 7 || text.size() == 10) && text[4] == '-' &&
               (text.size() == 7 || text[7] == '-')) {
        digits = text.substr(0, 4) + text.substr(5, 2);
    }
    const auto key = digits.size() == 6 && digits.find_first_not_of("0123456789") == std::string::npos
                         ? parse_int(digits)
                         : std::nullopt;
    if (!key || *key % 100 < 1 || *key % 100 > 12) {
        return std::nullopt;
    }
    return key;
}

std::optional<int> bound(const ParsedOptions& parsed, const std::string& name, int none) {
    const auto text = parsed.value(name);
    if (!text) {
        return none;
    }
    const auto key = month_option(*text);
    if (!key) {
        std::cerr << "błąd: miesiąc " << name << " ma postać RRRRMM (albo RRRR-MM-DD): " << *text << "\n";
    }
    return key;
}

}  // namespace

int verify_command(const CommandContext& context) {
    const auto parsed = checked_options(context.args, {{"--from", true}, {"--to", true}}, {});
    TerminalDialogs dialogs(std::cerr);
    if (!parsed || !data_dir_exists(context.data_dir, dialogs)) {
        return exit_code::kRefused;
    }
    const auto from = bound(*parsed, "--from", 0);
    const auto to = bound(*parsed, "--to", 999999);
    if (!from || !to) {
        return exit_code::kRefused;
    }
    if (*from > *to) {
        std::cerr << "błąd: miesiąc --from jest późniejszy niż --to\n";
        return exit_code::kRefused;
    }
    const BookReport report = check_books(context.data_dir, *from, *to);
    if (report.lines.empty()) {
        std::cerr << "Brak plików do sprawdzenia.\n";
    }
    if (const int printed = print_lines(report.lines); printed != exit_code::kDone) {
        return printed;
    }
    if (report.tampered) {
        return exit_code::kTampered;
    }
    return report.unreadable ? exit_code::kFileError : exit_code::kDone;
}

}  // namespace wazenie
