#include "station/stock_keeper.h"

#include "comm/exchange_log.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/mass_operations.h"
#include "storage/stock_ledger.h"

namespace wazenie {

std::uintmax_t StockKeeper::ledger_size() const {
    std::error_code ec;
    const auto size = std::filesystem::file_size(stock_ledger_path(data_dir_), ec);
    return ec ? 0 : size;
}

const StockBook& StockKeeper::book() {
    const std::uintmax_t size = ledger_size();
    if (read_ && size == read_size_) {
        return book_;
    }
    const auto file = stock_ledger_path(data_dir_);
    book_ = StockBook{};
    if (auto ledger = read_stock_ledger(file)) {
        book_ = StockBook(ledger->entries);
        for (const std::string& damaged : ledger->damaged) {
            log_.log_line(log_code::ERROR, "magazyn: pominięto " + damaged);
        }
    } else {
        log_.log_line(log_code::ERROR, "magazyn: nie można odczytać pliku " + file.string());
    }
    read_ = true;
    read_size_ = size;
    return book_;
}

void StockKeeper::post_consumption(const ProcessState& p) {
    const std::vector<StockEntry> used = consumption_of(p, book(), clock_.now());
    if (used.empty()) {
        return;
    }
    const auto file = stock_ledger_path(data_dir_);
    if (!append_stock_entries(file, used)) {
        dialogs_.notify(MessageKind::error,
                        "Nie zapisano zużycia materiałów w pliku: " + file.string() +
                            ".\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        read_ = false;
        return;
    }
    for (const StockEntry& e : used) {
        book_.take(e);
    }
    read_size_ = ledger_size();
}

std::vector<Shortage> StockKeeper::shortages_at_start(const ProcessState& p) {
    // The global start doses the whole process again from its beginning.
    ProcessState fresh = p;
    restart_process(fresh);
    return shortages_of(fresh, book());
}

}  // namespace wazenie
