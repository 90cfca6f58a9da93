#include "reports/report_list.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "clients/client_file.h"
#include "core/number_text.h"
#include "reports/analysis_part.h"
#include "reports/log_fields.h"
#include "reports/log_scan.h"
#include "reports/process_choice.h"
#include "storage/month_log.h"

namespace wazenie {

namespace {

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
        : data_dir_(data_dir), choice_(query, range), clients_(data_dir), dialogs_(dialogs) {}

    // `extra` rows are left room for after the listed ones.
    ReportList list(std::size_t extra) {
        ReportList list;
        const auto months = choice_.months();
        // The "r" lines take about a thirteenth of a log (a process's other lines follow them), so an
        // eighth is reserved once and a larger share grows it. Not the logs' whole size: room that large
        // comes fresh from the system on every report, each page of it paid for as it is first written.
        const auto log_bytes = month_logs_size(data_dir_, months);
        lines_.reserve(log_bytes / 8);
        listed_.reserve(processes_in(log_bytes));
        for (int key : months) {
            list.complete = read_month(key) && list.complete;
        }
        list.rows.reserve(listed_.size() + extra);
        std::size_t begin = 0;
        for (const Listed& listed : listed_) {
            fill(list.rows.emplace_back(),
                 read_log_line(std::string_view(lines_).substr(begin, listed.end - begin)), listed.month);
            begin = listed.end;
        }
        return list;
    }

private:
    bool read_month(int key) {
        return scan_month_log(
            data_dir_, key,
            [&](const LogRecord& record) {
                if (choice_.lists(key, process_day(key, record.process), record.process)) {
                    lines_ += record.process_line;
                    listed_.push_back({lines_.size(), key});
                }
                return true;
            },
            dialogs_);
    }

    int process_day(int key, const LogLine& r) {
        const auto day = ReportChoice::day(r);
        if (!day) {
            dialogs_.error("Błędna data rozpoczęcia naważania w pliku: dane/" + std::to_string(key) + "\r" +
                           "nr dokumentu wagowego: " + std::string(r[process_field::weight_doc]));
            return 0;
        }
        return *day;
    }

    // In place in the list: moving a row of twelve texts costs as much as filling it.
    void fill(ReportRow& row, const LogLine& r, int month) const {
        namespace f = process_field;
        row.weight_doc = r[f::weight_doc];
        row.start_time = r[f::start_time];
        row.stop_time = r[f::stop_time];
        row.mass = r[f::curr_weight];
        row.cycles = r[f::total_cycle];
        row.recipe_name = r[f::recipe_name];
        row.client_short = r[f::recipe_client];
        row.user_name = r[f::user_name];
        row.log_month = std::to_string(month);
        if (const Client* c = clients_.find(row.client_short)) {
            row.client_full = c->full_name;
            row.client_address = c->address;
            row.client_nip = c->nip;
        }
    }

    const std::filesystem::path& data_dir_;
    ReportChoice choice_;
    ClientIndex clients_;
    Dialogs& dialogs_;
    // The listed "r" lines, one after another, and where each ends: the rows are made when all are
    // known, in a list of the right size, as growing a list of rows costs more than reading the logs.
    struct Listed {
        std::size_t end;
        int month;
    };
    std::string lines_;
    std::vector<Listed> listed_;
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
    ReportList list = ReportBuilder(data_dir, query, *range, dialogs).list(1);
    std::vector<ReportRow>& rows = list.rows;
    ReportRow last;
    if (rows.empty()) {
        last.weight_doc = kNoMeasurements;
    } else {
        double sum = 0;
        int decimals = 0;
        for (const auto& row : rows) {
            // As parse_decimal reads it, most masses without its copy of the text.
            sum += FieldCursor(row.mass).mass(decimals).value_or(0);
        }
        last.stop_time = kTotalLabel;
        last.mass = fixed_text(sum, total_precision);
    }
    rows.push_back(std::move(last));
    return list;
}

}  // namespace wazenie
