#include "storage/month_chain.h"

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <vector>

#include "storage/chain_entry.h"
#include "storage/hash_chain.h"
#include "storage/text_file.h"

namespace wazenie {

std::uintmax_t book_bytes(const std::filesystem::path& file) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    return ec ? 0 : size;
}

Status MonthChainWriter::load(const std::filesystem::path& chain_file) {
    chain_file_.clear();
    last_hash_ = std::string(kChainStart);
    covered_ = {};
    std::error_code ec;
    if (std::filesystem::exists(chain_file, ec)) {
        const Status read = text_file::for_each_line(chain_file, [this](std::string_view line) {
            ChainedLine chained;
            if (!split_chained_line(line, chained)) {
                return true;
            }
            last_hash_ = std::string(chained.hash);
            if (const auto entry = read_chain_entry(chained.text)) {
                covered_[static_cast<std::size_t>(entry->kind)] = {entry->offset + entry->size,
                                                                   entry->line + entry->lines, true};
            }
            return true;
        });
        if (!read) {
            return read;
        }
    }
    chain_file_ = chain_file;
    chain_bytes_ = book_bytes(chain_file);
    return {};
}

Status MonthChainWriter::sign_appended(const std::filesystem::path& data_dir, const std::string& yyyymm,
                                       BookKind kind, std::uintmax_t before) {
    const auto chain_file = month_chain_path(data_dir, yyyymm);
    if (chain_file != chain_file_ || book_bytes(chain_file) != chain_bytes_) {
        if (Status loaded = load(chain_file); !loaded) {
            return loaded;
        }
    }
    const auto book = book_path(data_dir, yyyymm, kind);
    Covered& covered = covered_[static_cast<std::size_t>(kind)];
    std::uint64_t from = covered.end;
    std::size_t line = covered.next_line;
    if (from > before) {
        // The book is shorter than its signed part: it was cut behind the program's back, which the
        // check names; this append is signed where it stands, its lines counted anew.
        auto head = text_file::read_byte_range(book, 0, before);
        if (!head) {
            return head.error();
        }
        from = before;
        line = 1 + static_cast<std::size_t>(std::count(head->begin(), head->end(), '\n'));
    }
    auto bytes = text_file::read_byte_range(book, from, UINTMAX_MAX);
    if (!bytes) {
        return bytes.error();
    }
    UnitSplitter splitter(kind, from, line);
    std::vector<std::string> lines;
    std::string previous = last_hash_;
    splitter.split(*bytes, [&](const BookUnit& unit) {
        const auto how = unit.offset >= before ? Signed::at_write
                         : covered.any         ? Signed::late
                                               : Signed::before_chain;
        lines.push_back(chained_line(previous, chain_entry_text(chain_entry_of(unit, kind, how))));
        previous = lines.back().substr(lines.back().rfind('\t') + 1);
    });
    if (lines.empty()) {
        return {};
    }
    if (Status written = text_file::append_own_lines(chain_file, lines); !written) {
        chain_file_.clear();
        return written;
    }
    last_hash_ = previous;
    covered = {splitter.offset(), splitter.line(), true};
    chain_bytes_ = book_bytes(chain_file);
    return {};
}

}  // namespace wazenie
