#include "reports/report_list.h"

#include <algorithm>
#include <string_view>

#include "clients/client_file.h"
#include "core/number_text.h"
#include "core/text_map.h"
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
    const Client* find(std::string_view short_name) const {
        const auto it = by_name_.find(short_name);
        return it == by_name_.end() ? nullptr : it->second;
    }

private:
    std::vector<Client> clients_;
    TextMap<const Client*> by_name_;
};

// The listed "r" lines of one month's log, one after another, and where each ends; the messages of the
// month in the order they were met.
struct MonthListing {
    std::string lines;
    std::vector<std::size_t> ends;
    std::vector<std::string> errors;
    bool complete = true;
};

class ReportBuilder {
public:
    ReportBuilder(const std::filesystem::path& data_dir, const ReportQuery& query, LogRange range,
                  Dialogs& dialogs)
        : data_dir_(data_dir), choice_(query, range), clients_(data_dir), dialogs_(dialogs) {}

    // `extra` rows are left room for after the listed ones. The rows are made when all are known, in a
    // list of the right size, as growing a list of rows costs more than reading the logs.
    ReportList list(std::size_t extra, int threads) {
        ReportList list;
        const auto months = choice_.months();
        std::vector<MonthListing> listed;
        listed.reserve(months.size());
        std::size_t rows = extra;
        read_months_in_order<MonthListing>(
            months, threads, [this](int key) { return read_month(key); },
            [&](MonthListing&& month) {
                for (const std::string& error : month.errors) {
                    dialogs_.error(error);
                }
                list.complete = list.complete && month.complete;
                rows += month.ends.size();
                listed.push_back(std::move(month));
            });
        list.rows.reserve(rows);
        for (std::size_t m = 0; m < months.size(); ++m) {
            const std::string month = std::to_string(months[m]);
            std::size_t begin = 0;
            for (const std::size_t end : listed[m].ends) {
                add_row(list.rows,
                        read_log_line(std::string_view(listed[m].lines).substr(begin, end - begin)), month);
                begin = end;
            }
        }
        return list;
    }

private:
    // On any thread: nothing here writes what another month's reading reads.
    MonthListing read_month(int key) const {
        MonthListing month;
        // The "r" lines take about a thirteenth of a log (a process's other lines follow them), so an
        // eighth is reserved once and a larger share grows it. Not the log's whole size: room that large
        // comes fresh from the system on every report, each page of it paid for as it is first written.
        month.lines.reserve(month_log_size(data_dir_, key) / 8);
        const auto error = read_month_log(data_dir_, key, [&](const LogRecord& record) {
            const auto day = ReportChoice::day(record.process);
            if (!day) {
                month.errors.push_back(
                    "Błędna data rozpoczęcia naważania w pliku: dane/" + std::to_string(key) + "\r" +
                    "nr dokumentu wagowego: " + std::string(record.process[process_field::weight_doc]));
            }
            if (choice_.lists(key, day.value_or(0), record.process)) {
                month.lines += record.process_line;
                month.ends.push_back(month.lines.size());
            }
            return true;
        });
        if (error) {
            month.errors.push_back(*error);
            month.complete = false;
        }
        return month;
    }

    // Each text made as the row is made: assigning to the texts of a row made empty costs as much again.
    void add_row(std::vector<ReportRow>& rows, const LogLine& r, const std::string& month) const {
        namespace f = process_field;
        const std::string_view client_short = r[f::recipe_client];
        const Client* c = clients_.find(client_short);
        const auto of_client = [c](const std::string Client::*text) { return c ? c->*text : std::string(); };
        rows.push_back(ReportRow{
            std::string(r[f::weight_doc]), std::string(r[f::start_time]), std::string(r[f::stop_time]),
            std::string(r[f::curr_weight]), std::string(r[f::total_cycle]), std::string(r[f::recipe_name]),
            std::string(client_short), of_client(&Client::full_name), of_client(&Client::address),
            of_client(&Client::nip), std::string(r[f::user_name]), month});
    }

    const std::filesystem::path& data_dir_;
    ReportChoice choice_;
    ClientIndex clients_;
    Dialogs& dialogs_;
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
                                       int total_precision, Dialogs& dialogs, int threads) {
    const auto range = read_range(query, dialogs);
    if (!range) {
        return std::nullopt;
    }
    ReportList list = ReportBuilder(data_dir, query, *range, dialogs).list(1, threads);
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
