#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace wazenie {

// The two books of a month that its chain (yyyymm.sha) covers: the log yyyymm.txt, whose records begin
// with an "r" line, and the batch cards yyyymm_karta.txt, whose blocks begin with a "k" line.
enum class BookKind { log, cards };

// "r" or "k": the kind's letter in the chain and the tag of the line that begins each of its records.
std::string_view book_letter(BookKind kind);
std::filesystem::path book_path(const std::filesystem::path& data_dir, const std::string& yyyymm,
                                BookKind kind);

// A unit of a book: a record from its tag line to the next one, or the lines before the first record
// (the log's header). The bytes are the file's own (Windows-1250, line ends kept), so that what is hashed
// is what was written.
struct BookUnit {
    std::string_view bytes;
    std::uint64_t offset = 0;
    std::size_t line = 0;  // its first line, from 1
    std::size_t lines = 0;
    bool record = false;  // begins with the tag line
};

// A field of the unit's first line (1: the WZ number, 2: the start as logged), as the program holds text.
std::string unit_field(const BookUnit& unit, std::size_t column);

// Splits a book into units, fed in pieces that each end where a unit ends (text_file::for_each_run with
// the kind's tag line start gives such pieces); the first unit of the first piece begins at the
// position given, whatever its first line is.
class UnitSplitter {
public:
    explicit UnitSplitter(BookKind kind, std::uint64_t offset = 0, std::size_t line = 1);
    void split(std::string_view bytes, const std::function<void(const BookUnit&)>& take);
    std::uint64_t offset() const { return offset_; }
    std::size_t line() const { return line_; }
    // The start of each piece: "r\t" or "k\t".
    const std::string& tag() const { return tag_; }

private:
    std::string tag_;
    std::uint64_t offset_;
    std::size_t line_;
};

}  // namespace wazenie
