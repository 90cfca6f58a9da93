#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/clipboard.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/print_document.h"
#include "core/printer.h"
#include "core/result.h"
#include "core/save_file_dialog.h"
#include "reports/report_row.h"

namespace wazenie {

// The report list as it stands, with the range and filters it was asked for.
struct ReportSheet {
    std::string date_from;
    std::string date_to;
    std::string client;
    std::string recipe;
    const std::vector<ReportRow>& rows;
};

// The fixed-width columns of the printout and the saved file; the header with the column names.
std::string fixed_width_row(const ReportRow& row);
std::string fixed_width_header();

// The printout (for_printer: margin 8, landscape, Courier New 9 with bold, underline and italics)
// or the file's layout (no margin; its plain lines are what is saved).
PrintDocument report_document(const ReportSheet& sheet, DateTime now, bool for_printer);
// The file's layout as lines (UTF-8; the file is written in the data files' encoding).
std::vector<std::string> report_text_lines(const ReportSheet& sheet, DateTime now);
Status write_report_file(const std::filesystem::path& file, const ReportSheet& sheet, DateTime now);

// Writes the printout's layout to a file (the desktop renders it as PDF).
using DocumentFileWriter = std::function<Status(const PrintDocument&, const std::filesystem::path&)>;

// "Drukuj raport" and " Zapisz raport", with their guards and messages. With `pdf` given, the save
// dialog offers "*.pdf" beside "*.txt" and a chosen ".pdf" file gets the printout's layout.
void print_report(const ReportSheet& sheet, Printer& printer, Dialogs& dialogs, const Clock& clock);
void save_report(const ReportSheet& sheet, SaveFileDialog& save_dialog, Dialogs& dialogs, const Clock& clock,
                 const DocumentFileWriter& pdf = {});

// "Kopiuj raport": at most 1000 rows from a first row the operator chooses when there are more, and
// never more than 1,000,000 characters (the whole rows that fit, with a warning).
inline constexpr int kClipboardRows = 1000;
inline constexpr int kClipboardChars = 1000000;
void copy_report(const std::vector<ReportRow>& rows, Clipboard& clipboard, Dialogs& dialogs);

}  // namespace wazenie
