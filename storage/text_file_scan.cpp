#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "storage/cp1250.h"
#include "storage/text_file.h"

namespace wazenie::text_file {

namespace {

// Where the line at `pos` ends (its '\n', or the end of `lines`), and whether it is plain ASCII, which
// reads the same in both encodings, as most lines of a log do. Eight bytes at a time where bytes are
// little-endian: this runs over every byte of a year of logs.
std::size_t line_end(std::string_view lines, std::size_t pos, bool& ascii) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = kOnes * 0x80;
    std::uint64_t bytes = 0;  // the line's bytes so far, or-ed
    std::size_t i = pos;
    for (; std::endian::native == std::endian::little && i + 8 <= lines.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, lines.data() + i, 8);
        const std::uint64_t x = word ^ (kOnes * '\n');
        // The lowest high bit marks the first '\n' (those above it may be false).
        const std::uint64_t newline = (x - kOnes) & ~x & kHighBits;
        if (newline != 0) {
            const int before = std::countr_zero(newline) / 8;
            bytes |= word & ((std::uint64_t{1} << (8 * before)) - 1);
            ascii = (bytes & kHighBits) == 0;
            return i + static_cast<std::size_t>(before);
        }
        bytes |= word;
    }
    for (; i < lines.size() && lines[i] != '\n'; ++i) {
        bytes |= static_cast<unsigned char>(lines[i]);
    }
    ascii = (bytes & kHighBits) == 0;
    return i;
}

// Hands the wanted lines of a run of complete lines to the visitor.
class LineScanner {
public:
    LineScanner(const LineVisitor& visit, std::string_view prefix) : visit_(visit), prefix_(prefix) {}

    // `lines` begins at the start of a line and ends after a line end (or at the end of the file);
    // false when the visitor asked to stop.
    bool scan(std::string_view lines) {
        std::size_t pos = 0;
        while (pos < lines.size()) {
            pos = next_candidate(lines, pos);
            if (pos == std::string_view::npos) {
                return true;
            }
            bool ascii = true;
            std::size_t end = line_end(lines, pos, ascii);
            const std::size_t next = std::min(end + 1, lines.size());
            if (end > pos && lines[end - 1] == '\r') {
                --end;
            }
            const std::string_view line = lines.substr(pos, end - pos);
            if (line.starts_with(prefix_) && !visit_(ascii ? line : converted(line))) {
                return false;
            }
            pos = next;
        }
        return true;
    }

private:
    // The first line at or after `pos` (a line start) whose first byte could begin the prefix; with a
    // prefix, whole runs of other lines are passed over by one memchr.
    std::size_t next_candidate(std::string_view lines, std::size_t pos) const {
        if (prefix_.empty() || lines[pos] == prefix_[0]) {
            return pos;
        }
        for (;;) {
            const void* found = std::memchr(lines.data() + pos + 1, prefix_[0], lines.size() - pos - 1);
            if (!found) {
                return std::string_view::npos;
            }
            pos = static_cast<std::size_t>(static_cast<const char*>(found) - lines.data());
            if (lines[pos - 1] == '\n') {
                return pos;
            }
        }
    }

    std::string_view converted(std::string_view line) {
        converted_ = cp1250_to_utf8(line);
        return converted_;
    }

    const LineVisitor& visit_;
    std::string_view prefix_;
    std::string converted_;
};

}  // namespace

Status for_each_line(const std::filesystem::path& file, const LineVisitor& visit,
                     std::string_view ascii_prefix, std::size_t block) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return Error{"missing", file.string()};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open() || std::filesystem::is_directory(file, ec)) {
        return Error{"read", file.string()};
    }
    // No larger than the file: a small file costs no large buffer.
    const auto size = std::filesystem::file_size(file, ec);
    if (!ec) {
        block = static_cast<std::size_t>(std::min<std::uintmax_t>(block, size));
    }
    block = std::max<std::size_t>(block, 1);
    LineScanner scanner(visit, ascii_prefix);
    std::string buffer;
    std::size_t carried = 0;
    for (;;) {
        buffer.resize(carried + block);
        in.read(buffer.data() + carried, static_cast<std::streamsize>(block));
        const std::size_t filled = carried + static_cast<std::size_t>(in.gcount());
        if (in.bad()) {
            return Error{"read", file.string()};
        }
        const std::string_view data(buffer.data(), filled);
        if (in.eof()) {
            scanner.scan(data);
            return {};
        }
        // A line cut by the block's end waits for the next block.
        const std::size_t last_end = data.rfind('\n');
        const std::size_t complete = last_end == std::string_view::npos ? 0 : last_end + 1;
        if (!scanner.scan(data.substr(0, complete))) {
            return {};
        }
        carried = filled - complete;
        std::memmove(buffer.data(), buffer.data() + complete, carried);
    }
}

bool ends_with_line_end(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in.is_open() || in.tellg() <= 0) {
        return true;
    }
    in.seekg(-1, std::ios::end);
    char last = '\n';
    in.get(last);
    return last == '\n';
}

}  // namespace wazenie::text_file
