#include "reports/analysis_output.h"

#include <algorithm>

#include "reports/analysis_tables.h"
#include "reports/report_heading.h"
#include "reports/report_list.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

// Each column as wide as its widest cell or title, one space between columns.
class AlignedTable {
public:
    explicit AlignedTable(const AnalysisTable& table) : table_(table), widths_(table.titles.size(), 0) {
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

    const AnalysisTable& table_;
    std::vector<int> widths_;
};

// The column titles underlined, an empty line, the rows; a rule above the last row when it is a total.
void write_table(ReportWriter& out, const AnalysisTable& table, bool total_last) {
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

ReportHeading heading_of(const AnalysisSheet& sheet, AnalysisView view) {
    static constexpr const char* kTitles[] = {"Zużycie materiałów", "Dokładność dozowania",
                                              "Produkcja dzienna"};
    const std::string title = kTitles[static_cast<int>(view)];
    return {title, title + " w dniach: " + sheet.query.date_from + " - " + sheet.query.date_to,
            sheet.query.client, sheet.query.recipe};
}

void write_accuracy(ReportWriter& out, const AnalysisSheet& sheet) {
    write_table(out, accuracy_table(sheet), false);
    out.line("");
    PrintFont bold = report_font();
    bold.bold = true;
    out.line("Dawki poza tolerancją:", bold);
    const AnalysisTable outside = outside_doses_table(sheet);
    if (outside.rows.empty()) {
        out.line("Brak.");
        return;
    }
    write_table(out, outside, false);
}

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

}  // namespace

PrintDocument analysis_document(const AnalysisSheet& sheet, AnalysisView view, DateTime now,
                                bool for_printer) {
    PrintDocument doc;
    ReportWriter out(doc, for_printer);
    out.heading(heading_of(sheet, view), now);
    out.line("");
    if (sheet.analysis.processes.empty()) {
        out.line(kNoMeasurements);
    } else if (view == AnalysisView::Consumption) {
        write_table(out, consumption_table(sheet), true);
    } else if (view == AnalysisView::Accuracy) {
        write_accuracy(out, sheet);
    } else {
        write_table(out, daily_table(sheet), true);
    }
    out.ending();
    return doc;
}

std::string analysis_csv(const AnalysisSheet& sheet, AnalysisView view) {
    const AnalysisTable table = view == AnalysisView::Consumption ? consumption_table(sheet)
                                : view == AnalysisView::Accuracy  ? doses_table(sheet)
                                                                  : daily_table(sheet);
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
