#include "storage/text_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "storage/cp1250.h"

namespace wazenie::text_file {

namespace {

Faults g_faults;

Error error(std::string what, const std::filesystem::path& file, int line = 0) {
    return Error{std::move(what), file.string(), line};
}

// A line break inside a line would split its record in two.
std::string one_line(const std::string& line) {
    std::string bytes = utf8_to_cp1250(line);
    std::replace_if(
        bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return bytes;
}

Status write_to(const std::filesystem::path& file, const std::vector<std::string>& lines,
                std::ios::openmode mode) {
    std::ofstream out;
    if (!g_faults.fail_create) {
        out.open(file, std::ios::binary | mode);
    }
    if (!out.is_open()) {
        return error("create", file);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (static_cast<int>(i) != g_faults.fail_write_line) {
            out << one_line(lines[i]) << "\r\n";
        }
        if (static_cast<int>(i) == g_faults.fail_write_line || !out) {
            return error("write", file, static_cast<int>(i) + 1);
        }
    }
    out.flush();
    out.close();
    if (!out) {
        return error("write", file, static_cast<int>(lines.size()));
    }
    return {};
}

Status write_bytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out;
    if (!g_faults.fail_create) {
        out.open(file, std::ios::binary | std::ios::trunc);
    }
    if (!out.is_open()) {
        return error("create", file);
    }
    if (g_faults.fail_write_line == 0) {
        return error("write", file, 1);
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        return error("write", file, 1);
    }
    return {};
}

// The work file is written first and renamed over the target: the old target is never deleted first.
template <typename Write>
Status replace_with(const std::filesystem::path& target, const std::filesystem::path& work_file,
                    Write write) {
    std::error_code ec;
    if (auto written = write(); !written) {
        std::filesystem::remove(work_file, ec);
        return written;
    }
    if (!g_faults.fail_rename) {
        std::filesystem::rename(work_file, target, ec);
    }
    if (g_faults.fail_rename || ec) {
        std::filesystem::remove(work_file, ec);
        return error("rename", target);
    }
    return {};
}

}  // namespace

Result<std::vector<std::string>> read_lines(const std::filesystem::path& file, LineEnds ends) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return error("missing", file);
    }
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open() || std::filesystem::is_directory(file, ec)) {
        return error("read", file);
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return error("read", file);
    }
    const char* breaks = ends == LineEnds::also_lone_cr ? "\r\n" : "\n";
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find_first_of(breaks, start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::string_view line(bytes.data() + start, end - start);
        std::size_t next = end;
        if (end < bytes.size() && bytes[end] == '\r') {
            // Only with also_lone_cr: the run of CRs and an LF after it end this one line.
            next = bytes.find_first_not_of('\r', end);
            next = next == std::string::npos ? bytes.size() : next;
        } else if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (next < bytes.size() && bytes[next] == '\n') {
            ++next;
        }
        lines.push_back(cp1250_to_utf8(line));
        start = next;
    }
    return lines;
}

Status write_lines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    return write_to(file, lines, std::ios::trunc);
}

Status append_lines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    return write_to(file, lines, std::ios::app);
}

Result<std::vector<std::string>> read_lines_if_present(const std::filesystem::path& file) {
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) {
        return std::vector<std::string>{};
    }
    return read_lines(file);
}

std::string damaged_line(std::size_t index, std::string_view line) {
    return "linia " + std::to_string(index + 1) + ": \"" + std::string(line) + "\"";
}

Status read_data_lines(const std::filesystem::path& file, std::vector<std::string>& damaged,
                       const std::function<bool(const std::string& line)>& take) {
    const auto lines = read_lines_if_present(file);
    if (!lines) {
        return lines.error();
    }
    for (std::size_t k = 0; k < lines->size(); ++k) {
        const std::string& line = (*lines)[k];
        if (!line.empty() && !take(line)) {
            damaged.push_back(damaged_line(k, line));
        }
    }
    return {};
}

Status append_own_lines(const std::filesystem::path& file, std::vector<std::string> lines) {
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored) && !ends_with_line_end(file)) {
        lines.insert(lines.begin(), std::string());
    }
    return append_lines(file, lines);
}

Status replace_atomically(const std::filesystem::path& target, const std::filesystem::path& work_file,
                          const std::vector<std::string>& lines) {
    return replace_with(target, work_file, [&] { return write_lines(work_file, lines); });
}

Status replace_bytes_atomically(const std::filesystem::path& target, const std::filesystem::path& work_file,
                                std::string_view bytes) {
    return replace_with(target, work_file, [&] { return write_bytes(work_file, bytes); });
}

void inject_faults(const Faults& faults) {
    g_faults = faults;
}

void reset_faults() {
    g_faults = Faults{};
}

}  // namespace wazenie::text_file
