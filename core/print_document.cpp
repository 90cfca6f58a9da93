#include "core/print_document.h"

#include <utility>

namespace wazenie {

std::string PrintLine::plain_text() const {
    std::string text;
    for (const auto& run : runs) {
        text += run.text;
    }
    return text;
}

PrintDocument& PrintDocument::new_line() {
    lines.emplace_back();
    return *this;
}

PrintDocument& PrintDocument::add(std::string text, const PrintFont& font) {
    if (lines.empty()) {
        lines.emplace_back();
    }
    lines.back().runs.push_back({std::move(text), font});
    return *this;
}

std::vector<std::string> PrintDocument::plain_lines() const {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const auto& line : lines) {
        out.push_back(line.plain_text());
    }
    return out;
}

}  // namespace wazenie
