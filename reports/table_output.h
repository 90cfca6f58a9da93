#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/result.h"
#include "reports/report_heading.h"

namespace wazenie {

// A table as cells: the printout aligns them, the CSV joins them. Numbers are written with a point;
// `numeric` columns are right-aligned on paper and get a decimal comma in CSV.
struct TextTable {
    std::vector<std::string> titles;
    std::vector<bool> numeric;
    std::vector<std::vector<std::string>> rows;
};

// The column titles underlined, an empty line, the rows, each column as wide as its widest cell and
// one space between columns; a rule above the last row when it is a total.
void write_table(ReportWriter& out, const TextTable& table, bool total_last);
// The titles, then the rows, aligned as write_table aligns them: for a terminal.
std::vector<std::string> aligned_lines(const TextTable& table);

// The table as CSV the way Polish spreadsheets open it: UTF-8 with a byte-order mark, ";" between
// fields, "," as the decimal mark, CR LF after every line, the titles first.
std::string table_csv(const TextTable& table);

// Writes the bytes as they are through a work file renamed over the target.
Status write_csv_file(const std::filesystem::path& file, const std::string& bytes);

}  // namespace wazenie
