#include "reports/analysis_sums.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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

double in_kg(std::int64_t milli) {
    return static_cast<double>(milli) / 1000.0;
}

std::string date_text(int ordinal) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", ordinal / 10000 % 10000, ordinal / 100 % 100,
                  ordinal % 100);
    return text;
}

}  // namespace

void AnalysisSums::add(AnalysisPart&& part) {
    std::vector<std::uint32_t> names;
    names.reserve(part.names.size());
    for (std::size_t n = 0; n < part.names.size(); ++n) {
        names.push_back(name_index(part.names[n]));
        if (names.back() <= kLastDosedName) {
            result_.mass_precision = std::max(result_.mass_precision, part.decimals[n]);
            names_[names.back()].merge(part.sums[n]);
        }
    }
    const auto first_process = static_cast<std::uint32_t>(result_.processes.size());
    result_.processes.append(std::move(part.processes));
    // What each of the part's processes put into the mixer, for the daily production.
    struct Consumed {
        std::int64_t dosed = 0;
        bool any = false;
    };
    std::vector<Consumed> consumed(part.days.size());
    const auto consume = [&](std::uint32_t process, MassMilli dosed) {
        consumed[process].dosed += dosed.milli();
        consumed[process].any = true;
    };
    for (const BrokenOffDose& dose : part.broken_off) {
        if (names[dose.material] <= kLastDosedName) {
            consume(dose.process, dose.dosed);
        }
    }
    // The doses take the analysis's indices where they lie.
    auto kept = part.doses.begin();
    for (Dose dose : part.doses) {
        const std::uint32_t name = names[dose.material];
        if (name > kLastDosedName) {
            continue;
        }
        consume(dose.process, dose.dosed);
        dose.process += first_process;
        dose.material = static_cast<std::uint16_t>(name);
        *kept++ = dose;
    }
    part.doses.erase(kept, part.doses.end());
    result_.doses.append(std::move(part.doses));
    for (std::size_t p = 0; p < consumed.size(); ++p) {
        if (consumed[p].any) {
            DaySum& day = days_[part.days[p]];
            day.dosed += consumed[p].dosed;
            ++day.processes;
            ++processes_consumed_;
        }
    }
}

ProductionAnalysis AnalysisSums::result() {
    const auto order = names_in_order();
    add_consumption(order);
    add_accuracy(order);
    for (const auto& [ordinal, day] : days_) {
        result_.days.push_back({date_text(ordinal), in_kg(day.dosed), day.processes});
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
    std::int64_t total_target = 0;
    std::int64_t total_dosed = 0;
    for (const std::uint32_t n : order) {
        const NameSums& sums = names_[n];
        std::int64_t name_target = 0;
        std::int64_t name_dosed = 0;
        int scales = 0;
        for (int i = 1; i <= kScales; ++i) {
            const NameSums::OnScale& s = sums.scales[static_cast<std::size_t>(i - 1)];
            if (s.processes == 0) {
                continue;
            }
            rows.push_back({result_.material_names[n], i, in_kg(s.target), in_kg(s.dosed), s.processes});
            name_target += s.target;
            name_dosed += s.dosed;
            ++scales;
        }
        if (scales > 1) {
            rows.push_back(
                {result_.material_names[n], 0, in_kg(name_target), in_kg(name_dosed), sums.processes});
        }
        total_target += name_target;
        total_dosed += name_dosed;
    }
    rows.push_back({kTotalLabel, 0, in_kg(total_target), in_kg(total_dosed), processes_consumed_});
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
