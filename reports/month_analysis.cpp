#include "reports/month_analysis.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "core/dose.h"
#include "core/text_map.h"
#include "core/trim.h"
#include "reports/log_fields.h"
#include "reports/log_scan.h"
#include "storage/month_log.h"
#include "storage/text_file.h"

namespace wazenie {

namespace {

constexpr const char* kUnnamedMaterial = "<bez nazwy>";
constexpr int kMaxMassPrecision = 3;
constexpr std::uint32_t kNoName = std::numeric_limits<std::uint32_t>::max();

// A dose line as nearly all are written: one-digit scale, material and cycle, a mass of at most six
// whole digits and three decimals with a point, a line end. Read in one pass; any other line is left
// to the field reader.
struct PlainDose {
    int scale = 0;
    int material = 0;
    int cycle = 0;
    int decimals = 0;
    MassMilli dosed;
};

bool take_plain_dose(std::string_view& lines, PlainDose& dose) {
    // The longest such line, "wmc\t1\t1\t1\t123456.789\r\n": with that many bytes left every byte
    // looked at below is within them.
    constexpr std::size_t kLongest = 22;
    const char* const p = lines.data();
    const auto digit = [](char c) { return static_cast<unsigned>(c - '0'); };
    if (lines.size() < kLongest || std::memcmp(p, "wmc\t", 4) != 0 || p[5] != '\t' || p[7] != '\t' ||
        p[9] != '\t' || digit(p[4]) > 9 || digit(p[6]) > 9 || digit(p[8]) > 9) {
        return false;
    }
    const char* q = p + 10;
    std::int32_t milli = 0;
    int whole = 0;
    for (; whole < 7 && digit(q[whole]) <= 9; ++whole) {
        milli = milli * 10 + static_cast<std::int32_t>(digit(q[whole]));
    }
    if (whole == 0 || whole > 6) {
        return false;
    }
    q += whole;
    int decimals = 0;
    if (*q == '.') {
        ++q;
        for (; decimals < 4 && digit(q[decimals]) <= 9; ++decimals) {
            milli = milli * 10 + static_cast<std::int32_t>(digit(q[decimals]));
        }
        if (decimals == 0 || decimals > 3) {
            return false;
        }
        q += decimals;
    }
    q += *q == '\r' ? 1 : 0;
    if (*q != '\n') {
        return false;
    }
    static constexpr std::int32_t kThousandths[] = {1000, 100, 10, 1};
    dose.scale = p[4] - '0';
    dose.material = p[6] - '0';
    dose.cycle = p[8] - '0';
    dose.decimals = decimals;
    dose.dosed = *MassMilli::of_milli(std::int64_t{milli} * kThousandths[decimals]);
    lines.remove_prefix(static_cast<std::size_t>(q + 1 - p));
    return true;
}

// What the "w" and "wm" lines of the current record told of a scale.
struct ScaleState {
    weight_record w;  // only its cycle, cycle status and material are read
    bool valid = false;
    // The targets of a material in a cycle and in the last one. The last cycle's target may not be held.
    struct Material {
        std::uint16_t name = 0;
        MassMilli c1;
        MassMilli last;
        bool last_held = false;
        bool valid = false;
        // The name as last logged in this place and its index, the targets' text as last logged here and
        // whether it read, and as what: the same material comes process after process. No text reads as
        // no targets.
        std::string logged_name;
        std::uint32_t logged_index = kNoName;
        std::string logged_targets;
        bool targets_read = false;
        MassMilli logged_c1;
        MassMilli logged_clast;
    };
    std::array<Material, kMaterials> materials{};
};

// Reads records into one part. The lines by the million are read by a cursor, each byte once.
class PartReader {
public:
    PartReader(const AnalysisChoice& choice, const Tolerances& tolerances)
        : choice_(choice), tolerances_(tolerances) {}

    void reserve(std::uintmax_t log_bytes) {
        part_.doses.reserve(doses_in(log_bytes));
        part_.processes.reserve(processes_in(log_bytes));
        part_.days.reserve(processes_in(log_bytes));
    }

    void read(const LogRecord& record, bool again) {
        on_process(record.process, again);
        for (std::string_view lines = record.body; listed_ && !lines.empty();) {
            if (PlainDose dose; take_plain_dose(lines, dose)) {
                on_dose(dose.scale, dose.material, dose.cycle, dose.decimals, dose.dosed);
                continue;
            }
            const std::string_view line = text_file::take_line(lines);
            const LogLineKind kind = log_line_kind(line);
            if (kind == LogLineKind::scale) {
                on_scale(FieldCursor(line));
            } else if (kind == LogLineKind::material) {
                on_material(FieldCursor(line));
            } else if (kind == LogLineKind::dose) {
                on_dose(FieldCursor(line));
            }
        }
    }

    // The accuracy is judged in a pass of its own: each name's running mean waits on its last dose,
    // and in a loop of nothing else the processor runs the names side by side. A name's doses keep
    // their order.
    AnalysisPart part() {
        for (const Dose& dose : part_.doses) {
            part_.sums[dose.material].judge(tolerance_[dose.material], dose.target, dose.dosed);
        }
        return std::move(part_);
    }

private:
    void on_process(const LogLine& r, bool again) {
        listed_ = false;
        if (again) {
            return;
        }
        const auto day = choice_.date_of(r);
        const auto total_cycle = FieldCursor(r[process_field::total_cycle]).integer();
        if (!day || !total_cycle) {
            return;
        }
        listed_ = true;
        process_ = static_cast<std::uint32_t>(part_.processes.size());
        total_cycle_ = std::clamp(*total_cycle, 1, kCycles);
        for (auto& scale : scales_) {
            scale.valid = false;
        }
        namespace f = process_field;
        part_.processes.push_back({std::string(r[f::weight_doc]), std::string(r[f::start_time]),
                                   std::string(r[f::stop_time]), std::string(r[f::recipe_name]),
                                   std::string(r[f::recipe_client])});
        part_.days.push_back(*day);
    }

    // The logged masses are nearly all whole thousandths with a point, read without floating point.
    // False when the field is no mass of whole thousandths. An out parameter, not an optional: the
    // optional came back through memory, written in two parts and read in one, a stall on every dose.
    static bool read_mass(FieldCursor& f, std::size_t column, int& decimals, MassMilli& mass) {
        f.to(column);
        const FieldCursor at_field = f;
        std::optional<MassMilli> exact;
        if (const auto milli = f.thousandths(decimals)) {
            exact = std::abs(*milli) <= std::numeric_limits<std::int32_t>::max() ? MassMilli::of_milli(*milli)
                                                                                 : std::nullopt;
        } else if (const auto kg = (f = at_field).mass(decimals)) {
            exact = MassMilli::exactly(*kg);
        }
        mass = exact.value_or(MassMilli());
        return exact.has_value();
    }

    void on_scale(FieldCursor l) {
        namespace f = scale_field;
        const auto i = l.integer(f::scale);
        if (!i || !Scales::in_range(*i)) {
            return;
        }
        ScaleState& scale = scales_[*i - 1];
        const auto cycle = l.integer(f::curr_cycle);
        const auto status = l.integer(f::curr_cycle_status);
        const auto material = l.integer(f::curr_material);
        scale.valid = cycle && status && material;
        scale.w.curr_cycle = cycle.value_or(0);
        scale.w.curr_cycle_status = status.value_or(cycle_status::NOT_STARTED);
        scale.w.curr_material = material.value_or(0);
        for (auto& m : scale.materials) {
            m.valid = false;
        }
    }

    void on_material(FieldCursor l) {
        namespace f = material_field;
        const auto i = l.integer(f::scale);
        const auto j = l.integer(f::material);
        if (!i || !j || !Scales::in_range(*i) || !arr_material_record::in_range(*j)) {
            return;
        }
        const std::string_view name = trim(l.text(f::material_name));
        auto& m = scales_[*i - 1].materials[*j - 1];
        if (const std::string_view targets = l.fields(f::recipe_weight_c1, f::recipe_weight_clast);
            targets != m.logged_targets) {
            m.logged_targets = targets;
            FieldCursor t(targets);
            int decimals = 0;
            m.targets_read =
                read_mass(t, 0, decimals, m.logged_c1) && read_mass(t, 1, decimals, m.logged_clast);
        }
        const bool masses = m.targets_read;
        const MassMilli c1 = m.logged_c1;
        const MassMilli clast = m.logged_clast;
        if (masses && (m.logged_index == kNoName || name != m.logged_name)) {
            m.logged_name = name;
            m.logged_index = name_index(name);
        }
        const auto index = masses ? m.logged_index : kNoName;
        // A part's index of a name is never above the analysis's.
        m.valid = index <= std::numeric_limits<std::uint16_t>::max();
        if (m.valid) {
            // Summed in thousandths, so that the target is the exact sum of the logged masses.
            const auto last = MassMilli::of_milli(std::int64_t{c1.milli()} + clast.milli());
            m.name = static_cast<std::uint16_t>(index);
            m.c1 = c1;
            m.last_held = last.has_value();
            m.last = last.value_or(MassMilli());
        }
    }

    void on_dose(FieldCursor l) {
        namespace f = dose_field;
        const auto i = l.integer(f::scale);
        const auto j = l.integer(f::material);
        const auto c = l.integer(f::cycle);
        int decimals = 0;
        MassMilli dosed;
        const bool dose_read = read_mass(l, f::curr_weight, decimals, dosed);
        if (i && j && c && dose_read) {
            on_dose(*i, *j, *c, decimals, dosed);
        }
    }

    void on_dose(int i, int j, int c, int decimals, MassMilli dosed) {
        if (!Scales::in_range(i) || !arr_material_record::in_range(j) || !CycleMasses::in_range(c)) {
            return;
        }
        const ScaleState& scale = scales_[i - 1];
        const auto& m = scale.materials[j - 1];
        if (!scale.valid || !m.valid) {
            return;
        }
        int& name_decimals = part_.decimals[m.name];
        name_decimals = std::max(name_decimals, std::min(decimals, kMaxMassPrecision));
        const bool finished = dose_finished(scale.w, j, c);
        const bool begun =
            finished || (c == scale.w.curr_cycle && scale.w.curr_cycle_status == cycle_status::STARTED &&
                         j == scale.w.curr_material);
        if (!begun) {
            return;
        }
        const bool last = finished && c == total_cycle_;
        if (last && !m.last_held) {
            return;
        }
        NameSums& sums = part_.sums[m.name];
        if (finished) {
            const MassMilli target = last ? m.last : m.c1;
            sums.consume(process_, i, target, dosed);
            part_.doses.push_back({process_, m.name, static_cast<std::uint8_t>(i),
                                   static_cast<std::uint8_t>(c), target, dosed});
        } else {
            sums.consume(process_, i, MassMilli(), dosed);
            part_.broken_off.push_back({process_, m.name, dosed});
        }
    }

    // By the name's bytes as logged.
    std::uint32_t name_index(std::string_view name) {
        if (name.empty()) {
            name = kUnnamedMaterial;
        }
        if (const auto it = index_.find(name); it != index_.end()) {
            return it->second;
        }
        const auto index = static_cast<std::uint32_t>(part_.names.size());
        part_.names.emplace_back(name);
        part_.decimals.push_back(0);
        part_.sums.emplace_back();
        tolerance_.push_back(tolerances_.percent_for(log_text(name)));
        index_.emplace(name, index);
        return index;
    }

    const AnalysisChoice& choice_;
    const Tolerances& tolerances_;
    AnalysisPart part_;
    std::vector<double> tolerance_;  // by name
    TextMap<std::uint32_t> index_;
    std::array<ScaleState, kScales> scales_{};
    bool listed_ = false;
    std::uint32_t process_ = 0;
    int total_cycle_ = 1;
};

}  // namespace

MonthAnalysis read_month_analysis(const std::filesystem::path& data_dir, int key,
                                  const AnalysisChoice& choice, const Tolerances& tolerances) {
    MonthAnalysis month;
    PartReader first(choice, tolerances);
    PartReader rest(choice, tolerances);
    rest.reserve(month_log_size(data_dir, key));
    month.error = read_month_log(data_dir, key, [&](const LogRecord& record) {
        if (!month.first_logged) {
            first.read(record, false);
            month.last_logged.become(record.process);
            month.first_logged = month.last_logged;
            return true;
        }
        rest.read(record, month.last_logged.logged_again_by(record.process));
        month.last_logged.become(record.process);
        return true;
    });
    month.first = first.part();
    month.rest = rest.part();
    return month;
}

}  // namespace wazenie
