#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "storage/book_unit.h"

namespace wazenie {

// data_dir / "yyyymm.sha": the chain of a month's books (storage/hash_chain.h), one chained line a
// unit of its log or cards in the order they were written.
std::filesystem::path month_chain_path(const std::filesystem::path& data_dir, const std::string& yyyymm);

// When a unit was signed: as it was written; when the chain began in a month whose books already held
// it (the program was updated mid-month); or later, because its own signature could not be written.
// The last two are units without signature: they cannot be changed unseen from then on, yet nothing
// proves what they held before.
enum class Signed { at_write, before_chain, late };

// The text of a chained line, tab-separated: the book's letter, "zapis" / "przed" / "bez", the WZ
// number and the start as in the unit's tag line (empty for the header), its first line, its count of
// lines, its byte offset, its count of bytes and the SHA-256 of those bytes as written.
struct ChainEntry {
    BookKind kind = BookKind::log;
    Signed how = Signed::at_write;
    std::string weight_doc;
    std::string start;
    std::size_t line = 0;
    std::size_t lines = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::string sha;
};
ChainEntry chain_entry_of(const BookUnit& unit, BookKind kind, Signed how);
std::string chain_entry_text(const ChainEntry& entry);
// Nothing when the text is not such an entry.
std::optional<ChainEntry> read_chain_entry(std::string_view text);

}  // namespace wazenie
