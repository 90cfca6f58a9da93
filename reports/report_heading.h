#pragma once

#include <string>

#include "core/print_document.h"
#include "core/process_records.h"

namespace wazenie {

// Courier New 9: the font of every report's printout.
PrintFont report_font();

// What a report's first lines name: the printout's title (the time is added), the bold first line,
// and the filters it was asked for.
struct ReportHeading {
    std::string document_title;
    std::string first_line;
    std::string client;
    std::string recipe;
    std::string kind = {};  // of the materials shown
};

// Lines of a report with a margin and the printout's styles (for_printer: margin 8, landscape); the
// file form drops the styles.
class ReportWriter {
public:
    ReportWriter(PrintDocument& doc, bool for_printer);

    // On paper the title, landscape and four empty lines; then the first line, when the report was made
    // and the filters given.
    void heading(const ReportHeading& heading, DateTime now);
    // An empty line has no margin either.
    void line(const std::string& text, const PrintFont& font);
    void line(const std::string& text) { line(text, report_font()); }
    // The margin is never styled; `text` is underlined on paper.
    void underlined(const std::string& lead, const std::string& text);
    // An empty line and "Koniec raportu." in italics.
    void ending();

private:
    PrintDocument& doc_;
    bool for_printer_;
    std::string margin_;
};

}  // namespace wazenie
