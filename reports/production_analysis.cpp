#include "reports/production_analysis.h"

#include <cmath>
#include <limits>

#include "reports/analysis_sums.h"
#include "reports/log_scan.h"
#include "reports/month_analysis.h"
#include "reports/months_in_order.h"
#include "reports/process_choice.h"

namespace wazenie {

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
                                                     Dialogs& dialogs, int threads) {
    const auto range = read_range(query, dialogs);
    if (!range) {
        return std::nullopt;
    }
    const AnalysisChoice choice(query, *range);
    const auto months = choice.months();
    AnalysisSums sums(tolerances);
    LoggedStart last;
    const auto read = [&](int month) { return read_month_analysis(data_dir, month, choice, tolerances); };
    read_months_in_order<MonthAnalysis>(months, threads, read, [&](MonthAnalysis&& month) {
        if (month.first_logged) {
            if (!last.logged_again_by(month.first_logged->doc, month.first_logged->start)) {
                sums.add(std::move(month.first));
            }
            sums.add(std::move(month.rest));
            last = std::move(month.last_logged);
        }
        if (month.error) {
            dialogs.error(*month.error);
        }
    });
    return sums.result();
}

DoseDeviation deviation_of(const Dose& dose, const ProductionAnalysis& analysis) {
    return dose_deviation(dose.target, dose.dosed, analysis.material_tolerances.at(dose.material));
}

}  // namespace wazenie
