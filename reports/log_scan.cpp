#include "reports/log_scan.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>

#include "storage/cp1250.h"

namespace wazenie {

namespace {

class ProcessLineScanner {
public:
    explicit ProcessLineScanner(const std::function<void(std::string_view)>& on_line) : on_line_(on_line) {}

    // `lines` begins at the start of a line and ends after a line end (or at the end of the file).
    void scan(std::string_view lines) {
        // A process line is the only one that begins with "r" and a tab; look for its "r" first, which
        // skips whole runs of other lines at once.
        std::size_t pos = lines.starts_with("r\t") ? emit(lines, 0) : 1;
        while (pos < lines.size()) {
            const void* found = std::memchr(lines.data() + pos, 'r', lines.size() - pos);
            if (!found) {
                return;
            }
            pos = static_cast<std::size_t>(static_cast<const char*>(found) - lines.data());
            if (lines[pos - 1] == '\n' && pos + 1 < lines.size() && lines[pos + 1] == '\t') {
                pos = emit(lines, pos);
            } else {
                ++pos;
            }
        }
    }

private:
    // The line starting at `begin`; returns where the next line starts.
    std::size_t emit(std::string_view lines, std::size_t begin) {
        std::size_t end = lines.find('\n', begin);
        const std::size_t next = end == std::string_view::npos ? lines.size() : end + 1;
        end = end == std::string_view::npos ? lines.size() : end;
        if (end > begin && lines[end - 1] == '\r') {
            --end;
        }
        const std::string_view line = lines.substr(begin, end - begin);
        // Most process lines are plain ASCII, which reads the same in both encodings.
        const bool ascii = std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; });
        on_line_(ascii ? line : std::string_view(converted_ = cp1250_to_utf8(line)));
        return next;
    }

    const std::function<void(std::string_view)>& on_line_;
    std::string converted_;
};

}  // namespace

Status scan_process_lines(const std::filesystem::path& log_file,
                          const std::function<void(std::string_view line)>& on_line, std::size_t block) {
    std::ifstream in(log_file, std::ios::binary);
    if (!in) {
        std::error_code ec;
        return Error{std::filesystem::exists(log_file, ec) ? "read" : "missing", log_file.string()};
    }
    block = std::max<std::size_t>(block, 1);
    ProcessLineScanner scanner(on_line);
    std::string buffer;
    std::size_t carried = 0;
    for (;;) {
        buffer.resize(carried + block);
        in.read(buffer.data() + carried, static_cast<std::streamsize>(block));
        const std::size_t filled = carried + static_cast<std::size_t>(in.gcount());
        if (in.bad()) {
            return Error{"read", log_file.string()};
        }
        const std::string_view data(buffer.data(), filled);
        if (in.eof()) {
            scanner.scan(data);
            return {};
        }
        // A line cut by the block's end waits for the next block.
        const std::size_t last_end = data.rfind('\n');
        const std::size_t complete = last_end == std::string_view::npos ? 0 : last_end + 1;
        scanner.scan(data.substr(0, complete));
        carried = filled - complete;
        std::memmove(buffer.data(), buffer.data() + complete, carried);
    }
}

}  // namespace wazenie
