#include "reports/log_scan.h"

#include "core/number_text.h"
#include "storage/month_log.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

int number_at(std::string_view text, std::size_t pos, std::size_t length) {
    if (text.size() < pos + length) {
        return -1;
    }
    // Digits alone, as every logged date is, read here: a year's processes are each dated.
    int value = 0;
    for (const char c : text.substr(pos, length)) {
        if (c < '0' || c > '9') {
            return parse_int(text.substr(pos, length)).value_or(-1);
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<LogDate> read_date(const std::string& text, Dialogs& dialogs) {
    auto date = date_at_start(text);
    if (!date) {
        dialogs.error("Błędna data: " + text + "\rData musi mieć postać rrrr-mm-dd.");
    }
    return date;
}

}  // namespace

std::optional<LogDate> date_at_start(std::string_view text) {
    const int year = number_at(text, 0, 4);
    const int month = number_at(text, 5, 2);
    const int day = number_at(text, 8, 2);
    if (year < 0 || day < 0 || month < 1 || month > 12) {
        return std::nullopt;
    }
    return LogDate{year * 100 + month, day};
}

std::optional<LogRange> read_range(const ReportQuery& query, Dialogs& dialogs) {
    const auto from = read_date(query.date_from, dialogs);
    const auto to = from ? read_date(query.date_to, dialogs) : std::nullopt;
    if (!from || !to) {
        return std::nullopt;
    }
    if (to->ordinal() < from->ordinal()) {
        dialogs.error("Data początkowa musi być wcześniejsza od końcowej.");
        return std::nullopt;
    }
    return LogRange{*from, *to};
}

TextFilter::TextFilter(std::string_view wanted) : wanted_(upper_pl(wanted)) {}

bool TextFilter::matches(std::string_view field) const {
    return wanted_.empty() || upper_pl(field).find(wanted_) != std::string::npos;
}

std::uintmax_t month_log_size(const std::filesystem::path& data_dir, int key) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(month_log_path(data_dir, key), ec);
    return ec ? 0 : size;
}

std::optional<std::string> read_month_log(const std::filesystem::path& data_dir, int key,
                                          const RecordVisitor& visit) {
    const auto file = month_log_path(data_dir, key);
    const auto read = for_each_record(file, visit);
    if (!read && read.error().what != "missing") {
        return "Błąd odczytu pliku z danymi:\r" + file.string();
    }
    return std::nullopt;
}

bool scan_month_log(const std::filesystem::path& data_dir, int key, const RecordVisitor& visit,
                    Dialogs& dialogs) {
    const auto message = read_month_log(data_dir, key, visit);
    if (message) {
        dialogs.error(*message);
    }
    return !message;
}

}  // namespace wazenie
