#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>
#include <vector>

namespace wazenie {

// Two where the machine runs two threads or more, else one: the readers of a range of month logs read
// that many months at once.
inline int log_reading_threads() {
    return std::thread::hardware_concurrency() > 1 ? 2 : 1;
}

// The months (keys) of a range read by `read` on `threads` threads at once, the calling thread one of
// them, a month each; `take` is given each month on the calling thread in month order as soon as it has
// been read, so that the months are put together while the others are read. `read` touches nothing
// shared but what it only reads; whatever the calling thread alone may do (a message box) is left to
// `take`.
template <typename Month>
void read_months_in_order(const std::vector<int>& months, int threads,
                          const std::function<Month(int month)>& read,
                          const std::function<void(Month&& month)>& take) {
    // A month is written by the thread that read it, then only by the calling thread once it is ready.
    std::vector<Month> done(months.size());
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
        done[m] = Month();
    }
}

}  // namespace wazenie
