#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "storage/cp1250.h"
#include "storage/text_file.h"

namespace wazenie::text_file {

namespace {

// Plain ASCII reads the same in both encodings, as most lines of a log do. Eight bytes at a time: this
// runs over every line that is read whole.
bool is_ascii(std::string_view bytes) {
    std::uint64_t all = 0;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        all |= word;
    }
    for (; i < bytes.size(); ++i) {
        all |= static_cast<unsigned char>(bytes[i]);
    }
    return (all & 0x8080808080808080u) == 0;
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
            std::string_view rest = lines.substr(pos);
            const std::string_view line = take_line(rest);
            if (line.starts_with(prefix_) && !visit_(as_text(line, converted_))) {
                return false;
            }
            pos = lines.size() - rest.size();
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

    const LineVisitor& visit_;
    std::string_view prefix_;
    std::string converted_;
};

}  // namespace

Status for_each_run(const std::filesystem::path& file, const RunVisitor& visit, std::string_view run_start,
                    std::size_t block) {
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
    const std::string run_end = "\n" + std::string(run_start);
    // Room for a block beside what a block leaves over, so that the buffer is not moved by its second block.
    std::string buffer;
    buffer.reserve(2 * block);
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
            if (!data.empty()) {
                visit(data);
            }
            return {};
        }
        // What follows the last place a run may end waits for the next block.
        const std::size_t last_end = data.rfind(run_end);
        const std::size_t complete = last_end == std::string_view::npos ? 0 : last_end + 1;
        if (complete > 0 && !visit(data.substr(0, complete))) {
            return {};
        }
        carried = filled - complete;
        std::memmove(buffer.data(), buffer.data() + complete, carried);
    }
}

Status for_each_line(const std::filesystem::path& file, const LineVisitor& visit,
                     std::string_view ascii_prefix, std::size_t block) {
    LineScanner scanner(visit, ascii_prefix);
    return for_each_run(
        file, [&scanner](std::string_view lines) { return scanner.scan(lines); }, {}, block);
}

Result<std::string> read_byte_range(const std::filesystem::path& file, std::uintmax_t offset,
                                    std::uintmax_t size) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return Error{"missing", file.string()};
    }
    std::ifstream in(file, std::ios::binary);
    const auto length = std::filesystem::file_size(file, ec);
    if (!in.is_open() || ec) {
        return Error{"read", file.string()};
    }
    if (offset >= length) {
        return std::string();
    }
    std::string bytes(static_cast<std::size_t>(std::min(size, length - offset)), '\0');
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return Error{"read", file.string()};
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::string_view as_text(std::string_view bytes, std::string& buffer) {
    if (is_ascii(bytes)) {
        return bytes;
    }
    buffer = cp1250_to_utf8(bytes);
    return buffer;
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
