#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/process_records.h"
#include "reports/analysis_part.h"
#include "reports/production_analysis.h"
#include "storage/tolerances.h"

namespace wazenie {

// The production analysis made of its parts, added in log order: the names and processes take the
// analysis's indices, and every sum is made in the order of the log, so that the figures are those
// of one pass over it. The doses of a name past the 65536th are passed over, in every figure.
class AnalysisSums {
public:
    explicit AnalysisSums(const Tolerances& tolerances) : tolerances_(tolerances) {}

    void reserve(std::uintmax_t log_bytes);
    void add(AnalysisPart&& part);
    ProductionAnalysis result();

private:
    static constexpr std::uint32_t kNoProcess = std::numeric_limits<std::uint32_t>::max();

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
    struct TransparentHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };

    std::uint32_t name_index(const std::string& name);
    void enter_process(std::uint32_t process, int day);
    void consume(std::uint32_t name, int scale, double target, double dosed);
    static void judge(NameSums& sums, double tolerance, double target, double dosed);
    void end_process();
    std::vector<std::uint32_t> names_in_order() const;
    void add_consumption(const std::vector<std::uint32_t>& order);
    void add_accuracy(const std::vector<std::uint32_t>& order);

    const Tolerances& tolerances_;
    ProductionAnalysis result_;
    std::unordered_map<std::string, std::uint32_t, TransparentHash, std::equal_to<>> index_;
    std::vector<NameSums> names_;
    std::map<int, DayProduction> days_;  // by yyyymmdd; the date text is made at the end
    std::uint32_t process_ = kNoProcess;
    int day_ = 0;
    bool process_consumed_ = false;
    double process_dosed_ = 0;
    int processes_consumed_ = 0;
};

}  // namespace wazenie
