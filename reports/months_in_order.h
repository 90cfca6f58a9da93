#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "reports/month_analysis.h"
#include "reports/process_choice.h"

namespace wazenie {

// The month logs of the production analysis read on `threads` threads at once, the calling thread one
// of them, a month each; `take` is given each month on the calling thread in month order as soon as
// it has been read, so that the months are put together while the others are being read.
void read_months_in_order(const std::filesystem::path& data_dir, const std::vector<int>& months,
                          const AnalysisChoice& choice, int threads,
                          const std::function<void(MonthAnalysis&& month)>& take);

}  // namespace wazenie
