#include "reports/months_in_order.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace wazenie {

void read_months_in_order(const std::vector<int>& months, int threads,
                          const std::function<MonthAnalysis(int month)>& read,
                          const std::function<void(MonthAnalysis&& month)>& take) {
    // A month is written by the thread that read it, then only by the calling thread once it is ready.
    std::vector<MonthAnalysis> done(months.size());
    std::vector<std::atomic<bool>> ready(months.size());
    std::atomic<std::size_t> next = 0;
    const auto read_next = [&] {
        const std::size_t m = next++;
        if (m >= months.size()) {
            return false;
        }
        done[m] = read(months[m]);
        ready[m].store(true, std::memory_order_release);
        ready[m].notify_one();
        return true;
    };
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < std::min<std::size_t>(std::max(threads, 1), months.size()); ++t) {
        helpers.emplace_back([&read_next] {
            while (read_next()) {
            }
        });
    }
    for (std::size_t m = 0; m < months.size(); ++m) {
        // While the month is being read elsewhere, a later one is read here.
        while (!ready[m].load(std::memory_order_acquire)) {
            if (!read_next()) {
                ready[m].wait(false, std::memory_order_acquire);
            }
        }
        take(std::move(done[m]));
        done[m] = MonthAnalysis();
    }
}

}  // namespace wazenie
