#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wazenie {

// The books that must show whether they were changed since they were written (the audit trail, the
// chain beside each month's log) are chains of lines: each line is its text, a tab and a SHA-256 (64
// lowercase hex digits) over the previous line's hash followed by the text. The first line's previous
// hash is kChainStart. A line changed, removed, inserted or moved breaks the hash of its own line or of
// the next one; only the end of a chain can be cut unseen, which is why whoever keeps one also keeps
// what it covers (the records of the log, the count of its lines).
inline constexpr std::string_view kChainStart =
    "0000000000000000000000000000000000000000000000000000000000000000";

std::string sha256_hex(std::string_view bytes);

// The hash that follows `previous` for `text`, and the whole line.
std::string chain_hash(std::string_view previous, std::string_view text);
std::string chained_line(std::string_view previous, std::string_view text);

// A line of a chain as read back: its text and its hash; false when there is no tab or the part after
// the last tab is not a hash.
struct ChainedLine {
    std::string_view text;
    std::string_view hash;
};
bool split_chained_line(std::string_view line, ChainedLine& out);

// The lines (indexed from 0) whose hash does not follow from the line before; a line that does not split
// is one of them, and the line after it cannot be judged, so one damaged line is named once; from there
// each line is judged against the hash the line before it carries.
std::vector<std::size_t> broken_links(const std::vector<std::string>& lines);

}  // namespace wazenie
