#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/text_map.h"
#include "reports/analysis_part.h"
#include "reports/name_sums.h"
#include "reports/production_analysis.h"
#include "storage/tolerances.h"

namespace wazenie {

// The production analysis made of its parts, added in log order: the names and processes take the
// analysis's indices and the parts' sums are merged in the order of the log, so that the figures do
// not depend on how many threads read it. The doses of a name past the 65536th are passed over, in
// every figure.
class AnalysisSums {
public:
    explicit AnalysisSums(const Tolerances& tolerances) : tolerances_(tolerances) {}

    void add(AnalysisPart&& part);
    ProductionAnalysis result();

private:
    // A day's production, in thousandths.
    struct DaySum {
        std::int64_t dosed = 0;
        int processes = 0;
    };
    std::uint32_t name_index(const std::string& name);
    std::vector<std::uint32_t> names_in_order() const;
    void add_consumption(const std::vector<std::uint32_t>& order);
    void add_accuracy(const std::vector<std::uint32_t>& order);

    const Tolerances& tolerances_;
    ProductionAnalysis result_;
    TextMap<std::uint32_t> index_;
    std::vector<NameSums> names_;
    std::map<int, DaySum> days_;  // by yyyymmdd; the date text is made at the end
    int processes_consumed_ = 0;
};

}  // namespace wazenie
