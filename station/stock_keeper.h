#pragma once

#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

#include "core/process_records.h"
#include "reports/stock_book.h"

namespace wazenie {

class Clock;
class Dialogs;
class ExchangeLog;

// The silo stock as the station follows it: the ledger is read when first needed and again whenever
// its size shows that somebody else (the stock window, the CLI) wrote to it; the station's own lines
// are taken as they are written. A plant that records no delivery keeps no material, and nothing is
// ever written for it.
class StockKeeper {
public:
    StockKeeper(std::filesystem::path data_dir, const Clock& clock, Dialogs& dialogs, ExchangeLog& log)
        : data_dir_(std::move(data_dir)), clock_(clock), dialogs_(dialogs), log_(log) {}

    const StockBook& book();
    // What the process dosed of the kept materials, posted once under its WZ number; a failed write
    // is shown in a box.
    void post_consumption(const ProcessState& p);
    // The kept materials a global start would need more of than is left.
    std::vector<Shortage> shortages_at_start(const ProcessState& p);

private:
    std::uintmax_t ledger_size() const;

    std::filesystem::path data_dir_;
    const Clock& clock_;
    Dialogs& dialogs_;
    ExchangeLog& log_;
    StockBook book_;
    std::uintmax_t read_size_ = 0;
    bool read_ = false;
};

}  // namespace wazenie
