#include "reports/report_list.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "clients/client_file.h"
#include "core/number_text.h"
#include "reports/log_scan.h"

namespace wazenie {

namespace {

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
    ReportBuilder(const std::filesystem::path& data_dir, const ReportQuery& query, LogRange range,
                  Dialogs& dialogs)
        : data_dir_(data_dir),
          from_(range.from),
          to_(range.to),
          client_(query.client),
          recipe_(query.recipe),
          clients_(data_dir),
          dialogs_(dialogs) {}

    ReportList list() {
        ReportList list;
        for (int key : report_months(from_.key, to_.key)) {
            list.complete = read_month(key) && list.complete;
        }
        list.rows = std::move(rows_);
        return list;
    }

private:
    bool read_month(int key) {
        const std::string month = std::to_string(key);
        return scan_month_log(
            data_dir_, key,
            [&](std::string_view line) {
                add_if_listed(key, month, split_process_line(line));
                return true;
            },
            "r\t", dialogs_);
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

    void add_if_listed(int key, const std::string& month, const ProcessFields& f) {
        const int day = process_day(key, f);
        if ((key == from_.key && day < from_.day) || (key == to_.key && day > to_.day)) {
            return;
        }
        if (!client_.matches(f[10]) || !recipe_.matches(f[9])) {
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
    LogDate from_;
    LogDate to_;
    TextFilter client_;
    TextFilter recipe_;
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

std::optional<ReportList> build_report(const std::filesystem::path& data_dir, const ReportQuery& query,
                                       int total_precision, Dialogs& dialogs) {
    const auto range = read_range(query, dialogs);
    if (!range) {
        return std::nullopt;
    }
    ReportList list = ReportBuilder(data_dir, query, *range, dialogs).list();
    std::vector<ReportRow>& rows = list.rows;
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
    return list;
}

}  // namespace wazenie
