#include "reports/water_cement_report.h"

#include <algorithm>
#include <unordered_map>

#include "core/number_text.h"
#include "core/trim.h"
#include "reports/damaged_lines.h"
#include "reports/log_scan.h"
#include "reports/process_choice.h"
#include "reports/water_cement_sum.h"
#include "storage/batch_card.h"
#include "storage/material_kinds.h"
#include "storage/month_log.h"
#include "storage/text_file.h"

namespace wazenie {

namespace {

// A material of a process that counts for the ratio, as its "wm" line gives it.
struct DosedMaterial {
    int scale = 0;
    int material = 0;
    MaterialKind kind = MaterialKind::none;
    double kg = 0;
};

class WaterCementReader {
public:
    WaterCementReader(std::filesystem::path data_dir, Dialogs& dialogs)
        : data_dir_(std::move(data_dir)), kinds_(material_kinds_in(data_dir_)), dialogs_(dialogs) {}

    void read(int key, const AnalysisChoice& choice) {
        key_ = key;
        cards_.reset();
        scan_month_log(
            data_dir_, key,
            [this, &choice](const LogRecord& record) {
                const bool again = last_.logged_again_by(record.process);
                last_.become(record.process);
                if (!again && choice.date_of(record.process)) {
                    on_process(record);
                }
                return true;
            },
            dialogs_);
    }

    // Without a material of kind cement no process can have a ratio.
    bool any_cement() const {
        return std::any_of(kinds_.entries().begin(), kinds_.entries().end(),
                           [](const auto& entry) { return entry.second == MaterialKind::cement; });
    }

    WaterCementReport result() {
        double sum = 0;
        for (const WaterCementProcess& p : report_.processes) {
            sum += p.ratio;
            report_.largest = std::max(report_.largest, p.ratio);
        }
        report_.mean = report_.processes.empty() ? 0 : sum / static_cast<double>(report_.processes.size());
        return std::move(report_);
    }

private:
    void on_process(const LogRecord& record) {
        std::vector<DosedMaterial> dosed;
        bool cement = false;
        for (std::string_view lines = record.body; !lines.empty();) {
            const std::string_view line = text_file::take_line(lines);
            if (log_line_kind(line) != LogLineKind::material) {
                continue;
            }
            const LogLine m = read_log_line(line);
            namespace f = material_field;
            const auto scale = parse_int(m[f::scale]);
            const auto material = parse_int(m[f::material]);
            const auto kg = parse_decimal(m[f::curr_total_weight]);
            const MaterialKind kind = kind_of(m[f::material_name]);
            if (scale && material && kg && kind != MaterialKind::none) {
                dosed.push_back({*scale, *material, kind, *kg});
                cement = cement || (kind == MaterialKind::cement && *kg > 0);
            }
        }
        if (!cement) {
            return;
        }
        const LogLine& r = record.process;
        const BatchCard* card = month_card(r[process_field::weight_doc], r[process_field::start_time]);
        WaterCementSum sum;
        for (const DosedMaterial& d : dosed) {
            const DryTarget* dry = dry_target_of(card, d.scale, d.material);
            sum.add(d.kind, d.kg, dry ? dry->moisture : 0);
        }
        namespace f = process_field;
        report_.processes.push_back({std::string(r[f::weight_doc]), std::string(r[f::start_time]),
                                     std::string(r[f::recipe_name]), std::string(r[f::recipe_client]),
                                     sum.cement(), sum.water(), sum.ratio().value_or(0)});
    }

    // By the name's bytes as logged: the same names come process after process.
    MaterialKind kind_of(std::string_view logged) {
        const std::string_view name = trim(logged);
        if (const auto it = kinds_of_names_.find(std::string(name)); it != kinds_of_names_.end()) {
            return it->second;
        }
        return kinds_of_names_.emplace(name, kinds_.of(log_text(name))).first->second;
    }

    // The month's card file is read when a process of it first needs its card.
    const BatchCard* month_card(std::string_view doc, std::string_view start) {
        if (!cards_) {
            cards_ = read_cards();
        }
        return card_of(*cards_, doc, start);
    }

    std::vector<BatchCard> read_cards() {
        const auto file = batch_card_path(data_dir_, std::to_string(key_));
        auto read = read_batch_cards(file);
        if (!read) {
            dialogs_.error("Błąd odczytu pliku z danymi:\r" + file.string());
            return {};
        }
        if (!read->damaged.empty()) {
            dialogs_.warning(damaged_lines_text(file, read->damaged) +
                             "\rProcesy tych kart policzono bez wilgotności kruszywa.");
        }
        return std::move(read->cards);
    }

    std::filesystem::path data_dir_;
    MaterialKinds kinds_;
    Dialogs& dialogs_;
    LoggedStart last_;  // the record before, which the next may log again
    std::unordered_map<std::string, MaterialKind> kinds_of_names_;
    int key_ = 0;
    std::optional<std::vector<BatchCard>> cards_;
    WaterCementReport report_;
};

}  // namespace

std::optional<WaterCementReport> water_cement_report(const std::filesystem::path& data_dir,
                                                     const ReportQuery& query, Dialogs& dialogs) {
    const auto range = read_range(query, dialogs);
    if (!range) {
        return std::nullopt;
    }
    AnalysisChoice choice(query, *range);
    WaterCementReader reader(data_dir, dialogs);
    for (const int key : reader.any_cement() ? choice.months() : std::vector<int>{}) {
        reader.read(key, choice);
    }
    return reader.result();
}

}  // namespace wazenie
