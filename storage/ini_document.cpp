#include "storage/ini_document.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "storage/text_helpers.h"

namespace wazenie {

namespace {

// Names are matched without regard to ASCII case, as installers edit the file by hand.
bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool is_comment(std::string_view line) {
    const auto t = trim(line);
    return !t.empty() && (t.front() == ';' || t.front() == '#');
}

// The section a line opens, if it is a "[name]" line.
std::optional<std::string_view> section_of(std::string_view line) {
    const auto t = trim(line);
    if (t.size() < 2 || t.front() != '[') {
        return std::nullopt;
    }
    const auto close = t.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return t.substr(1, close - 1);
}

std::optional<std::string_view> key_of(std::string_view line) {
    if (is_comment(line)) {
        return std::nullopt;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return trim(line.substr(0, equals));
}

}  // namespace

IniDocument IniDocument::parse(const std::vector<std::string>& lines) {
    IniDocument doc;
    doc.lines_ = lines;
    return doc;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    bool inside = false;
    for (const std::string& line : lines_) {
        if (const auto name = section_of(line)) {
            inside = same_name(*name, section);
        } else if (inside) {
            const auto k = key_of(line);
            if (k && same_name(*k, key)) {
                return std::string(line.substr(line.find('=') + 1));
            }
        }
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniDocument::entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> found;
    bool inside = false;
    for (const std::string& line : lines_) {
        if (const auto name = section_of(line)) {
            inside = same_name(*name, section);
        } else if (inside) {
            if (const auto k = key_of(line)) {
                found.emplace_back(std::string(*k), line.substr(line.find('=') + 1));
            }
        }
    }
    return found;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    // A line break in a value would start a new line of the file; a tab is kept, as the reader keeps it.
    std::string line = std::string(key) + "=" + std::string(value);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    bool inside = false;
    std::optional<std::size_t> end_of_section;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = section_of(lines_[i])) {
            if (inside) {
                break;
            }
            inside = same_name(*name, section);
            if (inside) {
                end_of_section = i + 1;
            }
        } else if (inside) {
            const auto k = key_of(lines_[i]);
            if (k && same_name(*k, key)) {
                lines_[i] = std::move(line);
                return;
            }
            if (!trim(lines_[i]).empty()) {
                end_of_section = i + 1;
            }
        }
    }
    if (end_of_section) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*end_of_section), std::move(line));
        return;
    }
    // Built by appending: GCC 12 at -O3 takes "[" + section for an overlapping copy (-Wrestrict).
    std::string header;
    header.reserve(section.size() + 2);
    header.append(1, '[').append(section).append(1, ']');
    lines_.push_back(std::move(header));
    lines_.push_back(std::move(line));
}

}  // namespace wazenie
