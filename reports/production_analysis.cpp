#include "reports/production_analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <future>
#include <limits>
#include <map>
#include <numeric>

#include "reports/log_scan.h"
#include "reports/process_choice.h"
#include "reports/production_analysis_reading.h"
#include "storage/month_log.h"
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
// Two threads reading the logs keep up with the one adding them up.
constexpr std::size_t kMonthsReadAhead = 2;
// Writing a year's doses to fresh memory is a large part of the analysis's time.
static_assert(sizeof(Dose) == 16);

std::string date_text(int ordinal) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", ordinal / 10000 % 10000, ordinal / 100 % 100,
                  ordinal % 100);
    return text;
}

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

class Analyser {
public:
    explicit Analyser(const Tolerances& tolerances) : tolerances_(tolerances) {}

    // The month's records in order; the month before has been added.
    void add(const ReadMonth& month, AnalysisChoice& choice) {
        std::vector<std::uint32_t> names(month.names.size(), kNoName);
        std::size_t line = 0;
        std::size_t material = 0;
        std::size_t dose = 0;
        for (const ReadRecord& record : month.records) {
            const std::string_view process_line(month.process_lines.data() + line,
                                                record.process_line_end - line);
            on_process(read_log_line(process_line), record.total_cycle_read, choice);
            for (; listed_ && material < record.materials_end; ++material) {
                std::uint32_t& name = names[month.material_names[material]];
                name = name == kNoName ? name_index(month.names[month.material_names[material]]) : name;
            }
            for (; listed_ && dose < record.doses_end; ++dose) {
                on_dose(month.doses[dose], names[month.doses[dose].name]);
            }
            line = record.process_line_end;
            material = record.materials_end;
            dose = record.doses_end;
        }
    }

    void end_month() { end_process(); }

    void reserve_doses(std::uintmax_t log_bytes) { result_.doses.reserve(log_bytes / kLogBytesPerDose); }

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
    void on_process(const LogLine& r, bool total_cycle_read, AnalysisChoice& choice) {
        end_process();
        const auto day = choice.holds(r);
        if (!day || !total_cycle_read) {
            return;
        }
        listed_ = true;
        process_ = static_cast<std::uint32_t>(result_.processes.size());
        day_ = *day;
        namespace f = process_field;
        result_.processes.push_back({std::string(r[f::weight_doc]), std::string(r[f::start_time]),
                                     std::string(r[f::stop_time]), std::string(r[f::recipe_name]),
                                     std::string(r[f::recipe_client])});
    }

    // The doses of names past the 65536th are passed over.
    void on_dose(const ReadDose& dose, std::uint32_t name) {
        if (name > std::numeric_limits<std::uint16_t>::max()) {
            return;
        }
        mass_precision_ = std::max(mass_precision_, std::min(int{dose.decimals}, kMaxMassPrecision));
        if (dose.state == ReadDose::State::precision_only) {
            return;
        }
        const bool finished = dose.state == ReadDose::State::finished;
        const double target = dose.target;
        const double dosed = dose.dosed;
        consume(name, dose.scale, target, dosed);
        if (finished) {
            result_.doses.push_back({process_, static_cast<std::uint16_t>(name), dose.scale, dose.cycle,
                                     dose.target, dose.dosed});
            judge(names_[name], result_.material_tolerances[name], target, dosed);
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
        const auto [index, added] = index_.number(name);
        if (added) {
            result_.material_names.push_back(log_text(name));
            result_.material_tolerances.push_back(tolerances_.percent_for(result_.material_names.back()));
            names_.emplace_back();
        }
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
    NameNumbers index_;
    std::vector<NameSums> names_;
    std::map<int, DayProduction> days_;  // by yyyymmdd; the date text is made at the end
    bool listed_ = false;
    bool process_consumed_ = false;
    std::uint32_t process_ = 0;
    int day_ = 0;
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
    analyser.reserve_doses(log_bytes);
    // The months after the one being added are read meanwhile, each on a thread of its own, into the
    // room of the months added before.
    std::deque<std::future<ReadMonth>> ahead;
    std::vector<ReadMonth> added;
    std::size_t next = 0;
    for (std::size_t k = 0; k < months.size(); ++k) {
        for (; next < months.size() && next <= k + kMonthsReadAhead; ++next) {
            ReadMonth room;
            if (!added.empty()) {
                room = std::move(added.back());
                added.pop_back();
            }
            ahead.push_back(std::async(std::launch::async, read_month, month_log_path(data_dir, months[next]),
                                       std::move(room)));
        }
        ReadMonth month = ahead.front().get();
        ahead.pop_front();
        analyser.add(month, choice);
        read_or_reported(month.read, month_log_path(data_dir, months[k]), dialogs);
        analyser.end_month();
        added.push_back(std::move(month));
    }
    return analyser.result();
}

DoseDeviation deviation_of(const Dose& dose, const ProductionAnalysis& analysis) {
    return dose_deviation(dose.target, dose.dosed, analysis.material_tolerances.at(dose.material));
}

}  // namespace wazenie
