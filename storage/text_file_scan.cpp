#include <cstring>
#include <fstream>
#include <system_error>

#include "storage/cp1250.h"
#include "storage/text_file.h"

namespace wazenie::text_file {

Status for_each_line(const std::filesystem::path& file,
                     const std::function<bool(const std::string& line)>& visit,
                     std::string_view ascii_prefix) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return Error{"missing", file.string()};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open() || std::filesystem::is_directory(file, ec)) {
        return Error{"read", file.string()};
    }
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(file, ec)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (ec || in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        return Error{"read", file.string()};
    }
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        const char* newline =
            static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
        const char* line_end = newline ? newline : end;
        std::string_view line(at, static_cast<std::size_t>(line_end - at));
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.substr(0, ascii_prefix.size()) == ascii_prefix && !visit(cp1250_to_utf8(line))) {
            break;
        }
        at = newline ? newline + 1 : end;
    }
    return {};
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
