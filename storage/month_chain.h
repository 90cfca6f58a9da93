#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/result.h"
#include "storage/book_unit.h"

namespace wazenie {

// The size of a book before an append: 0 when it is missing.
std::uintmax_t book_bytes(const std::filesystem::path& file);

// Signs what is appended to a month's books in its chain (storage/chain_entry.h). It keeps where the
// chain ends and what each book's signed part covers, so an append reads only the bytes it wrote; the
// chain is read again only when it is not the one last written here or another writer changed it.
class MonthChainWriter {
public:
    // The book data_dir/yyyymm(.txt|_karta.txt) of `kind` has just grown from `before` bytes: every unit
    // after its signed part is signed, those that began before `before` as not signed at their write
    // (before the chain, when the book has no entry yet; later, when an earlier signature failed).
    Status sign_appended(const std::filesystem::path& data_dir, const std::string& yyyymm, BookKind kind,
                         std::uintmax_t before);

private:
    struct Covered {
        std::uint64_t end = 0;
        std::size_t next_line = 1;
        bool any = false;
    };
    Status load(const std::filesystem::path& chain_file);

    std::filesystem::path chain_file_;
    std::uintmax_t chain_bytes_ = 0;
    std::string last_hash_;
    std::array<Covered, 2> covered_{};
};

}  // namespace wazenie
