#include "reports/analysis_sums.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>
#include <numeric>

#include "core/dose.h"
#include "storage/month_log.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr std::uint32_t kLastDosedName = std::numeric_limits<std::uint16_t>::max();
// Writing a year's doses to fresh memory is a large part of the analysis's time.
static_assert(sizeof(Dose) == 16);

std::string date_text(int ordinal) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", ordinal / 10000 % 10000, ordinal / 100 % 100,
                  ordinal % 100);
    return text;
}

}  // namespace

void AnalysisSums::reserve(std::uintmax_t log_bytes) {
    result_.doses.reserve(doses_in(log_bytes));
    result_.processes.reserve(processes_in(log_bytes));
}

void AnalysisSums::add(AnalysisPart&& part) {
    std::vector<std::uint32_t> names;
    names.reserve(part.names.size());
    for (std::size_t n = 0; n < part.names.size(); ++n) {
        names.push_back(name_index(part.names[n]));
        if (names.back() <= kLastDosedName) {
            result_.mass_precision = std::max(result_.mass_precision, part.decimals[n]);
        }
    }
    const auto first_process = static_cast<std::uint32_t>(result_.processes.size());
    std::move(part.processes.begin(), part.processes.end(), std::back_inserter(result_.processes));
    auto broken_off = part.broken_off.cbegin();
    const auto add_broken_off = [&](std::size_t before) {
        for (; broken_off != part.broken_off.cend() && broken_off->before == before; ++broken_off) {
            const std::uint32_t name = names[broken_off->material];
            if (name <= kLastDosedName) {
                enter_process(first_process + broken_off->process, part.days[broken_off->process]);
                consume(name, broken_off->scale, 0, broken_off->dosed);
            }
        }
    };
    for (std::size_t d = 0; d < part.doses.size(); ++d) {
        add_broken_off(d);
        Dose dose = part.doses[d];
        const std::uint32_t name = names[dose.material];
        if (name > kLastDosedName) {
            continue;
        }
        enter_process(first_process + dose.process, part.days[dose.process]);
        dose.process += first_process;
        dose.material = static_cast<std::uint16_t>(name);
        const double target = dose.target;
        const double dosed = dose.dosed;
        consume(name, dose.scale, target, dosed);
        result_.doses.push_back(dose);
        judge(names_[name], result_.material_tolerances[name], target, dosed);
    }
    add_broken_off(part.doses.size());
    end_process();
}

ProductionAnalysis AnalysisSums::result() {
    const auto order = names_in_order();
    add_consumption(order);
    add_accuracy(order);
    for (const auto& [ordinal, day] : days_) {
        result_.days.push_back({date_text(ordinal), day.dosed, day.processes});
    }
    return std::move(result_);
}

// By the name's bytes as logged: the conversion is one to one, so only a new name is converted.
std::uint32_t AnalysisSums::name_index(const std::string& name) {
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

void AnalysisSums::enter_process(std::uint32_t process, int day) {
    if (process != process_) {
        end_process();
        process_ = process;
        day_ = day;
    }
}

void AnalysisSums::consume(std::uint32_t name, int scale, double target, double dosed) {
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

void AnalysisSums::judge(NameSums& sums, double tolerance, double target, double dosed) {
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

void AnalysisSums::end_process() {
    if (process_consumed_) {
        DayProduction& day = days_[day_];
        day.dosed += process_dosed_;
        ++day.processes;
        ++processes_consumed_;
    }
    process_consumed_ = false;
    process_dosed_ = 0;
}

std::vector<std::uint32_t> AnalysisSums::names_in_order() const {
    std::vector<std::uint32_t> order(names_.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto& names = result_.material_names;
    std::sort(order.begin(), order.end(),
              [&names](std::uint32_t a, std::uint32_t b) { return polish_less(names[a], names[b]); });
    return order;
}

void AnalysisSums::add_consumption(const std::vector<std::uint32_t>& order) {
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

void AnalysisSums::add_accuracy(const std::vector<std::uint32_t>& order) {
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

}  // namespace wazenie
