#include "reports/report_list.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

#include "clients/client_file.h"
#include "core/number_text.h"
#include "storage/process_file.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

struct DayOfMonth {
    int key = 0;  // year * 100 + month
    int day = 0;
};

int number_at(const std::string& text, std::size_t pos, std::size_t length) {
    if (text.size() < pos + length) {
        return -1;
    }
    return parse_int(text.substr(pos, length)).value_or(-1);
}

std::optional<DayOfMonth> read_date(const std::string& text, Dialogs& dialogs) {
    const int year = number_at(text, 0, 4);
    const int month = number_at(text, 5, 2);
    const int day = number_at(text, 8, 2);
    if (year < 0 || day < 0 || month < 1 || month > 12) {
        dialogs.error("Błędna data: " + text + "\rData musi mieć postać rrrr-mm-dd.");
        return std::nullopt;
    }
    return DayOfMonth{year * 100 + month, day};
}

// The fields of an "r" line; a field the line lacks is empty.
using ProcessFields = std::array<std::string_view, 12>;

ProcessFields split_process_line(std::string_view line) {
    ProcessFields f{};
    std::size_t k = 0;
    std::size_t begin = 0;
    while (k < f.size()) {
        const std::size_t tab = line.find('\t', begin);
        f[k++] = line.substr(begin, tab == std::string_view::npos ? std::string_view::npos : tab - begin);
        if (tab == std::string_view::npos) {
            break;
        }
        begin = tab + 1;
    }
    return f;
}

std::optional<int> day_of(std::string_view date_time) {
    return date_time.size() >= 9 ? parse_int(date_time.substr(8, 2)) : std::nullopt;
}

// Clients by short name, the first line of a name winning, as the single lookup does.
class ClientIndex {
public:
    explicit ClientIndex(const std::filesystem::path& data_dir) {
        if (auto read = read_clients(data_dir)) {
            clients_ = std::move(*read);
        }
        for (const auto& c : clients_) {
            by_name_.try_emplace(c.short_name, &c);
        }
    }
    const Client* find(const std::string& short_name) const {
        const auto it = by_name_.find(short_name);
        return it == by_name_.end() ? nullptr : it->second;
    }

private:
    std::vector<Client> clients_;
    std::unordered_map<std::string, const Client*> by_name_;
};

class ReportBuilder {
public:
    ReportBuilder(const std::filesystem::path& data_dir, const ReportQuery& query, DayOfMonth from,
                  DayOfMonth to, Dialogs& dialogs)
        : data_dir_(data_dir),
          from_(from),
          to_(to),
          client_(upper_pl(query.client)),
          recipe_(upper_pl(query.recipe)),
          clients_(data_dir),
          dialogs_(dialogs) {}

    std::vector<ReportRow> rows() {
        for (int key : report_months(from_.key, to_.key)) {
            read_month(key);
        }
        return std::move(rows_);
    }

private:
    void read_month(int key) {
        const std::string month = std::to_string(key);
        const auto file = month_log_path(data_dir_, month);
        const auto read = text_file::for_each_line(
            file,
            [&](std::string_view line) {
                add_if_listed(key, month, split_process_line(line));
                return true;
            },
            "r\t");
        if (!read && read.error().what != "missing") {
            dialogs_.error("Błąd odczytu pliku z danymi:\r" + file.string());
        }
    }

    // A record written before the process started has "---" for its start: its day is that of its stop.
    int process_day(int key, const ProcessFields& f) {
        const auto day = f[2] == "---" ? day_of(f[3]) : day_of(f[2]);
        if (!day) {
            dialogs_.error("Błędna data rozpoczęcia naważania w pliku: dane/" + std::to_string(key) + "\r" +
                           "nr dokumentu wagowego: " + std::string(f[1]));
            return 0;
        }
        return *day;
    }

    bool matches(std::string_view field, const std::string& wanted) const {
        return wanted.empty() || upper_pl(field).find(wanted) != std::string::npos;
    }

    void add_if_listed(int key, const std::string& month, const ProcessFields& f) {
        const int day = process_day(key, f);
        if ((key == from_.key && day < from_.day) || (key == to_.key && day > to_.day)) {
            return;
        }
        if (!matches(f[10], client_) || !matches(f[9], recipe_)) {
            return;
        }
        ReportRow row;
        row.weight_doc = f[1];
        row.start_time = f[2];
        row.stop_time = f[3];
        row.mass = f[7];
        row.cycles = f[5];
        row.recipe_name = f[9];
        row.client_short = f[10];
        row.user_name = f[11];
        row.log_month = month;
        if (const Client* c = clients_.find(row.client_short)) {
            row.client_full = c->full_name;
            row.client_address = c->address;
            row.client_nip = c->nip;
        }
        rows_.push_back(std::move(row));
    }

    const std::filesystem::path& data_dir_;
    DayOfMonth from_;
    DayOfMonth to_;
    std::string client_;
    std::string recipe_;
    ClientIndex clients_;
    Dialogs& dialogs_;
    std::vector<ReportRow> rows_;
};

}  // namespace

std::vector<int> report_months(int from_key, int to_key) {
    std::vector<int> keys;
    int year = from_key / 100;
    int month = std::max(from_key % 100, 1);
    while (year * 100 + month <= to_key) {
        keys.push_back(year * 100 + month);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return keys;
}

std::optional<std::vector<ReportRow>> build_report(const std::filesystem::path& data_dir,
                                                   const ReportQuery& query, int total_precision,
                                                   Dialogs& dialogs) {
    const auto from = read_date(query.date_from, dialogs);
    const auto to = from ? read_date(query.date_to, dialogs) : std::nullopt;
    if (!from || !to) {
        return std::nullopt;
    }
    if (to->key < from->key || (to->key == from->key && to->day < from->day)) {
        dialogs.error("Data początkowa musi być wcześniejsza od końcowej.");
        return std::nullopt;
    }
    auto rows = ReportBuilder(data_dir, query, *from, *to, dialogs).rows();
    ReportRow last;
    if (rows.empty()) {
        last.weight_doc = kNoMeasurements;
    } else {
        double sum = 0;
        for (const auto& row : rows) {
            sum += parse_decimal(row.mass).value_or(0);
        }
        last.stop_time = kTotalLabel;
        last.mass = fixed_text(sum, total_precision);
    }
    rows.push_back(std::move(last));
    return rows;
}

}  // namespace wazenie
