#include "reports/table_output.h"

#include <algorithm>

#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

std::string csv_field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

void append_csv_line(std::string& out, const std::vector<std::string>& cells,
                     const std::vector<bool>& numeric) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        out += (c > 0 ? ";" : "") + csv_field(numeric[c] ? to_comma(cells[c]) : cells[c]);
    }
    out += "\r\n";
}

// Each column as wide as its widest cell or title, one space between columns.
class AlignedTable {
public:
    explicit AlignedTable(const TextTable& table) : table_(table), widths_(table.titles.size(), 0) {
        widen(table.titles);
        for (const auto& row : table.rows) {
            widen(row);
        }
    }

    std::string header() const { return text(table_.titles); }
    std::string row(std::size_t i) const { return text(table_.rows[i]); }
    std::size_t rows() const { return table_.rows.size(); }
    int width() const {
        int sum = static_cast<int>(widths_.size()) - 1;
        for (const int w : widths_) {
            sum += w;
        }
        return sum;
    }

private:
    void widen(const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            widths_[c] = std::max(widths_[c], text_length(cells[c]));
        }
    }

    std::string text(const std::vector<std::string>& cells) const {
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            line += (c > 0 ? " " : "") +
                    (table_.numeric[c] ? pad_left(cells[c], widths_[c]) : pad_right(cells[c], widths_[c]));
        }
        return line;
    }

    const TextTable& table_;
    std::vector<int> widths_;
};

}  // namespace

void write_table(ReportWriter& out, const TextTable& table, bool total_last) {
    const AlignedTable aligned(table);
    out.underlined("", aligned.header());
    out.line("");
    for (std::size_t i = 0; i < aligned.rows(); ++i) {
        if (total_last && i + 1 == aligned.rows()) {
            out.underlined("", std::string(static_cast<std::size_t>(aligned.width()), ' '));
        }
        out.line(aligned.row(i));
    }
}

std::vector<std::string> aligned_lines(const TextTable& table) {
    const AlignedTable aligned(table);
    std::vector<std::string> lines{aligned.header()};
    for (std::size_t i = 0; i < aligned.rows(); ++i) {
        lines.push_back(aligned.row(i));
    }
    return lines;
}

std::string table_csv(const TextTable& table) {
    std::string out = "\xEF\xBB\xBF";
    append_csv_line(out, table.titles, std::vector<bool>(table.titles.size(), false));
    for (const auto& row : table.rows) {
        append_csv_line(out, row, table.numeric);
    }
    return out;
}

Status write_csv_file(const std::filesystem::path& file, const std::string& bytes) {
    return text_file::replace_bytes_atomically(file, file.parent_path() / (file.filename().string() + ".tmp"),
                                               bytes);
}

}  // namespace wazenie
