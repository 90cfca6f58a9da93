#include "reports/report_heading.h"

#include "reports/wz_document.h"

namespace wazenie {

PrintFont report_font() {
    PrintFont font;
    font.name = "Courier New";
    font.size = 9;
    return font;
}

ReportWriter::ReportWriter(PrintDocument& doc, bool for_printer)
    : doc_(doc), for_printer_(for_printer), margin_(for_printer ? 8 : 0, ' ') {}

void ReportWriter::heading(const ReportHeading& heading, DateTime now) {
    if (for_printer_) {
        doc_.title = heading.document_title + " " + wz_date_time(now);
        doc_.orientation = PageOrientation::Landscape;
        for (int i = 0; i < 4; ++i) {
            line("");
        }
    }
    PrintFont bold = report_font();
    bold.bold = true;
    line(heading.first_line, bold);
    line("Data sporządzenia raportu: " + wz_date_time(now));
    if (!heading.client.empty() || !heading.recipe.empty() || !heading.kind.empty()) {
        line("Kryteria:");
        if (!heading.client.empty()) {
            line("Klient: " + heading.client);
        }
        if (!heading.recipe.empty()) {
            line("Receptura: " + heading.recipe);
        }
        if (!heading.kind.empty()) {
            line("Rodzaj materiałów: " + heading.kind);
        }
    }
}

void ReportWriter::line(const std::string& text, const PrintFont& font) {
    doc_.new_line();
    doc_.add(text.empty() ? text : margin_ + text, font);
}

void ReportWriter::underlined(const std::string& lead, const std::string& text) {
    PrintFont underline = report_font();
    underline.underline = true;
    doc_.new_line();
    doc_.add(margin_ + lead, report_font());
    doc_.add(text, underline);
}

void ReportWriter::ending() {
    PrintFont italic = report_font();
    italic.italic = true;
    line("");
    line("Koniec raportu.", italic);
}

}  // namespace wazenie
