#include "reports/production_analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <numeric>
#include <unordered_map>

#include "core/dose.h"
#include "core/trim.h"
#include "reports/log_fields.h"
#include "reports/log_scan.h"
#include "reports/process_choice.h"
#include "storage/month_log.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr const char* kUnnamedMaterial = "<bez nazwy>";
constexpr int kMaxMassPrecision = 3;
constexpr std::uint32_t kNoProcess = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t kNoName = std::numeric_limits<std::uint32_t>::max();
// The fewest bytes of log a finished dose takes in practice (its "wmc" line and a share of its "wm"
// line): the doses are reserved for once from the logs' size, so that growing the largest table of
// the analysis never holds two copies of it. Pages reserved and never written cost no memory.
constexpr std::uintmax_t kLogBytesPerDose = 24;
// The same for a process in practice: its "r" line and its scales' and materials' lines.
constexpr std::uintmax_t kLogBytesPerProcess = 512;
// Writing a year's doses to fresh memory is a large part of the analysis's time.
static_assert(sizeof(Dose) == 16);

std::string date_text(int ordinal) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", ordinal / 10000 % 10000, ordinal / 100 % 100,
                  ordinal % 100);
    return text;
}

struct TransparentHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// The sums of one material on one scale.
struct ScaleSum {
    double target = 0;
    double dosed = 0;
    int processes = 0;
    std::uint32_t last_process = kNoProcess;
};

// Everything kept per material name.
struct NameSums {
    int processes = 0;
    std::uint32_t last_process = kNoProcess;
    int doses = 0;
    int judged = 0;
    double mean = 0;  // running mean and sum of squared differences of the judged deviations (Welford)
    double squares = 0;
    double largest = 0;
    int outside = 0;
    std::array<ScaleSum, kScales> scales{};
};

// What the "w" and "wm" lines of the current record told of a scale.
struct ScaleState {
    weight_record w;  // only its cycle, cycle status and material are read
    bool valid = false;
    // The targets of a material in a cycle and in the last one, as masses and in kg: a division per
    // dose less. The last cycle's target may not be held.
    struct Material {
        std::uint16_t name = 0;
        MassMilli c1;
        MassMilli last;
        double c1_kg = 0;
        double last_kg = 0;
        bool last_held = false;
        bool valid = false;
        // The name as last logged in this place and its index: the same name comes process after process.
        std::string logged_name;
        std::uint32_t logged_index = kNoName;
    };
    std::array<Material, kMaterials> materials{};
};

class Analyser {
public:
    explicit Analyser(const Tolerances& tolerances) : tolerances_(tolerances) {}

    void read(const std::filesystem::path& data_dir, int key, AnalysisChoice& choice, Dialogs& dialogs) {
        scan_month_log(
            data_dir, key,
            [this, &choice](const LogRecord& record) {
                on_record(record, choice);
                return true;
            },
            dialogs);
        end_process();
    }

    void reserve(std::uintmax_t log_bytes) {
        result_.doses.reserve(log_bytes / kLogBytesPerDose);
        result_.processes.reserve(log_bytes / kLogBytesPerProcess);
    }

    ProductionAnalysis result() {
        const auto order = names_in_order();
        add_consumption(order);
        add_accuracy(order);
        for (const auto& [ordinal, day] : days_) {
            result_.days.push_back({date_text(ordinal), day.dosed, day.processes});
        }
        result_.mass_precision = mass_precision_;
        return std::move(result_);
    }

private:
    // The lines by the million are read by a cursor, each byte once.
    void on_record(const LogRecord& record, AnalysisChoice& choice) {
        on_process(record.process, choice);
        for (std::string_view lines = record.body; listed_ && !lines.empty();) {
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

    void on_process(const LogLine& r, AnalysisChoice& choice) {
        end_process();
        const auto day = choice.holds(r);
        const auto total_cycle = FieldCursor(r[process_field::total_cycle]).integer();
        if (!day || !total_cycle) {
            return;
        }
        listed_ = true;
        process_ = static_cast<std::uint32_t>(result_.processes.size());
        day_ = *day;
        total_cycle_ = std::clamp(*total_cycle, 1, kCycles);
        for (auto& scale : scales_) {
            scale.valid = false;
        }
        namespace f = process_field;
        result_.processes.push_back({std::string(r[f::weight_doc]), std::string(r[f::start_time]),
                                     std::string(r[f::stop_time]), std::string(r[f::recipe_name]),
                                     std::string(r[f::recipe_client])});
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
        int decimals = 0;
        MassMilli c1;
        MassMilli clast;
        const bool masses = read_mass(l, f::recipe_weight_c1, decimals, c1) &&
                            read_mass(l, f::recipe_weight_clast, decimals, clast);
        auto& m = scales_[*i - 1].materials[*j - 1];
        if (masses && (m.logged_index == kNoName || name != m.logged_name)) {
            m.logged_name = name;
            m.logged_index = name_index(name);
        }
        const auto index = masses ? m.logged_index : kNoName;
        m.valid = index <= std::numeric_limits<std::uint16_t>::max();
        if (m.valid) {
            // Summed in thousandths, so that the target is the exact sum of the logged masses.
            const auto last = MassMilli::of_milli(std::int64_t{c1.milli()} + clast.milli());
            m.name = static_cast<std::uint16_t>(index);
            m.c1 = c1;
            m.c1_kg = c1;
            m.last_held = last.has_value();
            m.last = last.value_or(MassMilli());
            m.last_kg = m.last;
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
        if (!i || !j || !c || !dose_read || !Scales::in_range(*i) || !arr_material_record::in_range(*j) ||
            !CycleMasses::in_range(*c)) {
            return;
        }
        const ScaleState& scale = scales_[*i - 1];
        const auto& m = scale.materials[*j - 1];
        if (!scale.valid || !m.valid) {
            return;
        }
        mass_precision_ = std::max(mass_precision_, std::min(decimals, kMaxMassPrecision));
        const bool finished = dose_finished(scale.w, *j, *c);
        const bool begun =
            finished || (*c == scale.w.curr_cycle && scale.w.curr_cycle_status == cycle_status::STARTED &&
                         *j == scale.w.curr_material);
        if (!begun) {
            return;
        }
        const bool last = finished && *c == total_cycle_;
        if (last && !m.last_held) {
            return;
        }
        const double dosed_kg = dosed;
        const double target_kg = !finished ? 0 : last ? m.last_kg : m.c1_kg;
        consume(m.name, *i, target_kg, dosed_kg);
        if (finished) {
            result_.doses.push_back({process_, m.name, static_cast<std::uint8_t>(*i),
                                     static_cast<std::uint8_t>(*c), last ? m.last : m.c1, dosed});
            judge(names_[m.name], result_.material_tolerances[m.name], target_kg, dosed_kg);
        }
    }

    void consume(std::uint32_t name, int scale, double target, double dosed) {
        NameSums& sums = names_[name];
        ScaleSum& on_scale = sums.scales[scale - 1];
        on_scale.target += target;
        on_scale.dosed += dosed;
        if (on_scale.last_process != process_) {
            on_scale.last_process = process_;
            ++on_scale.processes;
        }
        if (sums.last_process != process_) {
            sums.last_process = process_;
            ++sums.processes;
        }
        process_dosed_ += dosed;
        process_consumed_ = true;
    }

    static void judge(NameSums& sums, double tolerance, double target, double dosed) {
        ++sums.doses;
        const DoseDeviation d = dose_deviation(target, dosed, tolerance);
        if (!d.percent) {
            return;
        }
        const double p = *d.percent;
        ++sums.judged;
        const double delta = p - sums.mean;
        sums.mean += delta / sums.judged;
        sums.squares += delta * (p - sums.mean);
        if (sums.judged == 1 || std::fabs(p) > std::fabs(sums.largest)) {
            sums.largest = p;
        }
        sums.outside += d.outside ? 1 : 0;
    }

    void end_process() {
        if (listed_ && process_consumed_) {
            DayProduction& day = days_[day_];
            day.dosed += process_dosed_;
            ++day.processes;
            ++processes_consumed_;
        }
        listed_ = false;
        process_consumed_ = false;
        process_dosed_ = 0;
    }

    // By the name's bytes as logged: the conversion is one to one, so only a new name is converted.
    std::uint32_t name_index(std::string_view name) {
        if (name.empty()) {
            name = kUnnamedMaterial;
        }
        if (const auto it = index_.find(name); it != index_.end()) {
            return it->second;
        }
        const auto index = static_cast<std::uint32_t>(result_.material_names.size());
        result_.material_names.push_back(log_text(name));
        result_.material_tolerances.push_back(tolerances_.percent_for(result_.material_names.back()));
        index_.emplace(name, index);
        names_.emplace_back();
        return index;
    }

    std::vector<std::uint32_t> names_in_order() const {
        std::vector<std::uint32_t> order(names_.size());
        std::iota(order.begin(), order.end(), 0u);
        const auto& names = result_.material_names;
        std::sort(order.begin(), order.end(),
                  [&names](std::uint32_t a, std::uint32_t b) { return polish_less(names[a], names[b]); });
        return order;
    }

    void add_consumption(const std::vector<std::uint32_t>& order) {
        auto& rows = result_.consumption;
        ConsumptionRow total{kTotalLabel, 0, 0, 0, processes_consumed_};
        for (const std::uint32_t n : order) {
            const NameSums& sums = names_[n];
            ConsumptionRow name_total{result_.material_names[n], 0, 0, 0, sums.processes};
            int scales = 0;
            for (int i = 1; i <= kScales; ++i) {
                const ScaleSum& s = sums.scales[i - 1];
                if (s.processes == 0) {
                    continue;
                }
                rows.push_back({result_.material_names[n], i, s.target, s.dosed, s.processes});
                name_total.target += s.target;
                name_total.dosed += s.dosed;
                ++scales;
            }
            if (scales > 1) {
                rows.push_back(name_total);
            }
            total.target += name_total.target;
            total.dosed += name_total.dosed;
        }
        rows.push_back(std::move(total));
    }

    void add_accuracy(const std::vector<std::uint32_t>& order) {
        for (const std::uint32_t n : order) {
            const NameSums& s = names_[n];
            if (s.doses == 0) {
                continue;
            }
            const double std_dev = s.judged > 1 ? std::sqrt(s.squares / (s.judged - 1)) : 0;
            result_.accuracy.push_back({result_.material_names[n], result_.material_tolerances[n], s.doses,
                                        s.judged, s.mean, std_dev, s.largest, s.outside});
        }
    }

    const Tolerances& tolerances_;
    ProductionAnalysis result_;
    std::unordered_map<std::string, std::uint32_t, TransparentHash, std::equal_to<>> index_;
    std::vector<NameSums> names_;
    std::map<int, DayProduction> days_;  // by yyyymmdd; the date text is made at the end
    std::array<ScaleState, kScales> scales_{};
    bool listed_ = false;
    bool process_consumed_ = false;
    std::uint32_t process_ = 0;
    int day_ = 0;
    int total_cycle_ = 1;
    double process_dosed_ = 0;
    int processes_consumed_ = 0;
    int mass_precision_ = 0;
};

}  // namespace

std::optional<MassMilli> MassMilli::exactly(double kg) {
    const double milli = kg * 1000.0;
    if (!(std::fabs(milli) < std::numeric_limits<std::int32_t>::max() + 0.5)) {
        return std::nullopt;
    }
    MassMilli mass;
    mass.milli_ = static_cast<std::int32_t>(milli + (milli < 0 ? -0.5 : 0.5));
    return static_cast<double>(mass) == kg ? std::optional(mass) : std::nullopt;
}

std::optional<MassMilli> MassMilli::of_milli(std::int64_t milli) {
    if (milli < std::numeric_limits<std::int32_t>::min() ||
        milli > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    MassMilli mass;
    mass.milli_ = static_cast<std::int32_t>(milli);
    return mass;
}

std::optional<ProductionAnalysis> analyse_production(const std::filesystem::path& data_dir,
                                                     const ReportQuery& query, const Tolerances& tolerances,
                                                     Dialogs& dialogs) {
    const auto range = read_range(query, dialogs);
    if (!range) {
        return std::nullopt;
    }
    AnalysisChoice choice(query, *range);
    const auto months = choice.months();
    std::uintmax_t log_bytes = 0;
    for (const int key : months) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(month_log_path(data_dir, key), ec);
        log_bytes += ec ? 0 : size;
    }
    Analyser analyser(tolerances);
    analyser.reserve(log_bytes);
    for (const int key : months) {
        analyser.read(data_dir, key, choice, dialogs);
    }
    return analyser.result();
}

DoseDeviation deviation_of(const Dose& dose, const ProductionAnalysis& analysis) {
    return dose_deviation(dose.target, dose.dosed, analysis.material_tolerances.at(dose.material));
}

}  // namespace wazenie
