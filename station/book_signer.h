#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "storage/book_unit.h"
#include "storage/month_chain.h"

namespace wazenie {

class Dialogs;
class ExchangeLog;

// Signs each append to a month's log and cards in the month's chain. A signature that cannot be written
// never undoes the record: the record stays in its book, the exchange log says why, and the operator
// is told once until a signature is written again; the next append signs the record as signed late.
class BookSigner {
public:
    BookSigner(std::filesystem::path data_dir, Dialogs& dialogs, ExchangeLog& log)
        : data_dir_(std::move(data_dir)), dialogs_(dialogs), log_(log) {}

    // The book of `kind` of the month yyyymm has just grown from `before` bytes.
    void sign(const std::string& yyyymm, BookKind kind, std::uintmax_t before);

private:
    std::filesystem::path data_dir_;
    Dialogs& dialogs_;
    ExchangeLog& log_;
    MonthChainWriter writer_;
    bool failure_shown_ = false;
};

}  // namespace wazenie
