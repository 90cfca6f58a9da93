#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/name_sums.h"
#include "reports/production_analysis.h"

namespace wazenie {

// A dose broken off in the middle, in a stopped process: its mass went into the mixer, though it is no
// finished dose.
struct BrokenOffDose {
    std::uint32_t process = 0;
    std::uint16_t material = 0;
    MassMilli dosed;
};

// What the production analysis reads from a run of a month log's records, and the sums of each name
// over the run: the runs are read apart and put together in log order (reports/analysis_sums.h). Its
// indices are its own: a dose's `process` indexes `processes`, its `material` `names`.
struct AnalysisPart {
    std::vector<AnalysedProcess> processes;
    std::vector<int> days;  // of each process, yyyymmdd
    std::vector<Dose> doses;
    std::vector<BrokenOffDose> broken_off;
    std::vector<std::string> names;  // as logged, trimmed ("<bez nazwy>" for none), in the order they came
    std::vector<int> decimals;       // by name: the most decimals of its doses' masses, at most 3
    std::vector<NameSums> sums;      // by name
};

// The fewest bytes of log a finished dose takes in practice (its "wmc" line and a share of its "wm"
// line): the doses are reserved for once from the logs' size, so that growing the largest table of
// the analysis never holds two copies of it. Pages reserved and never written cost no memory.
inline std::size_t doses_in(std::uintmax_t log_bytes) {
    return static_cast<std::size_t>(log_bytes / 24);
}
// The same for a process in practice: its "r" line and its scales' and materials' lines.
inline std::size_t processes_in(std::uintmax_t log_bytes) {
    return static_cast<std::size_t>(log_bytes / 512);
}

}  // namespace wazenie
