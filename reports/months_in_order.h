#pragma once

#include <functional>
#include <vector>

#include "reports/month_analysis.h"

namespace wazenie {

// The months (keys) of the production analysis read by `read` on `threads` threads at once, the
// calling thread one of them, a month each; `take` is given each month on the calling thread in month
// order as soon as it has been read, so that the months are put together while the others are read.
void read_months_in_order(const std::vector<int>& months, int threads,
                          const std::function<MonthAnalysis(int month)>& read,
                          const std::function<void(MonthAnalysis&& month)>& take);

}  // namespace wazenie
