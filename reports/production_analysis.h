#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "reports/months_in_order.h"
#include "reports/report_list.h"
#include "reports/run_list.h"
#include "storage/tolerances.h"

namespace wazenie {

// A process of the range that passed the filters.
struct AnalysedProcess {
    std::string weight_doc;
    std::string start_time;  // as logged ("---" when it never started)
    std::string stop_time;
    std::string recipe_name;
    std::string client_short;

    bool operator==(const AnalysedProcess&) const = default;
};

// A mass in thousandths of a kg, which holds every mass the logs can (the scales log at most 3
// decimals) exactly, in half the room of a double: a year holds millions of doses. It reads as the
// double the logged text gives.
class MassMilli {
public:
    constexpr MassMilli() = default;
    // Rounded to the nearest thousandth.
    MassMilli(double kg) : milli_(static_cast<std::int32_t>(std::llround(kg * 1000.0))) {}
    // Nothing when `kg` is not a whole number of thousandths within the range.
    static std::optional<MassMilli> exactly(double kg);
    // Nothing outside the range.
    static std::optional<MassMilli> of_milli(std::int64_t milli) {
        if (milli < std::numeric_limits<std::int32_t>::min() ||
            milli > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
        MassMilli mass;
        mass.milli_ = static_cast<std::int32_t>(milli);
        return mass;
    }
    operator double() const { return milli_ / 1000.0; }
    std::int32_t milli() const { return milli_; }

private:
    std::int32_t milli_ = 0;
};

// One material's dose in one cycle of one process, as the log tells it. `process` indexes
// ProductionAnalysis::processes, `material` ProductionAnalysis::material_names.
struct Dose {
    std::uint32_t process = 0;
    std::uint16_t material = 0;  // the doses of names past the 65536th of a range are passed over
    std::uint8_t scale = 0;      // 1..4
    std::uint8_t cycle = 0;      // 1..9
    MassMilli target;            // the recipe's mass of the material in that cycle
    MassMilli dosed;             // the mass the meter reported

    bool operator==(const Dose&) const = default;
};

// Target and dosed mass of one material on one scale, summed over the processes. After the rows of a
// name come, when the name was dosed on more than one scale, its total row (scale 0); the last row
// of the table is the grand total (scale 0, material_name "RAZEM:").
struct ConsumptionRow {
    std::string material_name;
    int scale = 0;
    double target = 0;
    double dosed = 0;
    int processes = 0;  // processes in which it was dosed (the grand total: anything was dosed)

    bool operator==(const ConsumptionRow&) const = default;
};

// The dosing accuracy of one material name, over every finished dose of it. Deviations are
// (dosed - target) / target in percent, over the doses whose target is not 0 (`judged`); with fewer
// than two judged doses the standard deviation is 0. `largest` is the deviation of largest magnitude,
// sign kept.
struct AccuracyRow {
    std::string material_name;
    double tolerance = 0;  // percent
    int doses = 0;
    int judged = 0;
    double mean = 0;
    double std_dev = 0;  // sample standard deviation
    double largest = 0;
    int outside = 0;

    bool operator==(const AccuracyRow&) const = default;
};

struct DayProduction {
    std::string date;  // "yyyy-mm-dd"
    double dosed = 0;
    int processes = 0;  // the day's processes in which anything was dosed

    bool operator==(const DayProduction&) const = default;
};

struct ProductionAnalysis {
    RunList<AnalysedProcess> processes;  // in month and file order
    // As written in the logs, trimmed ("<bez nazwy>" for none): a renamed material is another name.
    std::vector<std::string> material_names;
    std::vector<double> material_tolerances;  // percent, by material index as material_names
    RunList<Dose> doses;                      // the finished doses, in log order
    std::vector<ConsumptionRow> consumption;  // names in Polish alphabetical order, scales ascending
    std::vector<AccuracyRow> accuracy;        // names with a finished dose, in Polish alphabetical order
    std::vector<DayProduction> days;          // the days with production, ascending
    // The precision masses are shown with: the most decimals of the logged doses' masses ("wmc"), at
    // most 3 (the scales' precision as it was when the processes were logged).
    int mass_precision = 0;

    bool operator==(const ProductionAnalysis&) const = default;
};

// One pass over the month logs of the query's range, choosing processes as the weighing report does
// (the client and recipe filters), with one difference: a process belongs to the date of its start
// (of its stop when it never started), so one that ran past midnight at a month's end, logged in the
// next month's file, counts on the day it began. A process logged twice (a completed process stopped
// again: the same document and start, right after its first record) counts once.
//
// What counts, per material line of a listed process:
// - a dose is finished (see core/dose.h) by the scale's state in the record: the cycles it has gone
//   past, and in the cycle it was at, the materials before the one being dosed or all of them once
//   the tank is being emptied. Cycles without a line (a process stopped early) do not exist.
// - consumption sums the target and the dosed mass of every finished dose, and the dosed mass of an
//   unfinished dose that had begun (a stop in the middle of a material): what went into the mixer;
// - accuracy and `doses` take the finished doses only;
// - the daily production is the dosed mass of the consumption, by the day of its process.
// Nothing when the range is reversed or a date does not read (the message has been shown); a log
// that cannot be read is reported as the weighing report does and passed over, and a line that does
// not read (a number, an index outside its range, a mass that is not a whole number of thousandths
// within ±2147 t) is passed over.
//
// The months are read on `threads` threads at once, a month each, and put together in their order on
// the calling thread, which alone shows the messages: the analysis is the same on any number.
std::optional<ProductionAnalysis> analyse_production(const std::filesystem::path& data_dir,
                                                     const ReportQuery& query, const Tolerances& tolerances,
                                                     Dialogs& dialogs, int threads = log_reading_threads());

// A dose's deviation against its material's tolerance.
DoseDeviation deviation_of(const Dose& dose, const ProductionAnalysis& analysis);

}  // namespace wazenie
