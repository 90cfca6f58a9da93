#include "reports/report_output.h"

#include "reports/wz_document.h"
#include "reports/wz_print.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"
#include "storage/text_prefix.h"

namespace wazenie {

namespace {

std::string fit_columns(const std::array<std::string_view, 11>& c) {
    return pad_right(first_chars(c[0], 15), 15) + " " + pad_right(c[1], 20) + " " + pad_right(c[2], 20) +
           " " + pad_left(c[3], 9) + " " + pad_left(c[4], 5) + " " + pad_right(c[5], 20) + " " +
           pad_right(c[6], 20) + " " + pad_right(first_chars(c[10], 20), 20);
}

PrintFont report_font() {
    PrintFont font;
    font.name = "Courier New";
    font.size = 9;
    return font;
}

// Lines of the report with a margin and the printout's styles; the file form drops the styles.
class ReportWriter {
public:
    ReportWriter(PrintDocument& doc, bool for_printer) : doc_(doc), margin_(for_printer ? 8 : 0, ' ') {}

    // An empty line has no margin either.
    void line(const std::string& text, const PrintFont& font) {
        doc_.new_line();
        doc_.add(text.empty() ? text : margin_ + text, font);
    }
    // The margin is never styled; `text` is underlined on paper.
    void underlined(const std::string& lead, const std::string& text) {
        PrintFont underline = report_font();
        underline.underline = true;
        doc_.new_line();
        doc_.add(margin_ + lead, report_font());
        doc_.add(text, underline);
    }

private:
    PrintDocument& doc_;
    std::string margin_;
};

}  // namespace

std::string fixed_width_row(const ReportRow& row) {
    return fit_columns(row.columns());
}

std::string fixed_width_header() {
    return fit_columns(kReportColumns);
}

PrintDocument report_document(const ReportSheet& sheet, DateTime now, bool for_printer) {
    PrintDocument doc;
    ReportWriter out(doc, for_printer);
    const PrintFont regular = report_font();
    PrintFont bold = regular;
    bold.bold = true;
    PrintFont italic = regular;
    italic.italic = true;
    if (for_printer) {
        doc.title = "Raport ważeń " + wz_date_time(now);
        doc.orientation = PageOrientation::Landscape;
        for (int i = 0; i < 4; ++i) {
            out.line("", regular);
        }
    }
    out.line("Raport naważań przeprowadzonych w dniach: " + sheet.date_from + " - " + sheet.date_to, bold);
    out.line("Data sporządzenia raportu: " + wz_date_time(now), regular);
    if (!sheet.client.empty() || !sheet.recipe.empty()) {
        out.line("Kryteria:", regular);
        if (!sheet.client.empty()) {
            out.line("Klient: " + sheet.client, regular);
        }
        if (!sheet.recipe.empty()) {
            out.line("Receptura: " + sheet.recipe, regular);
        }
    }
    out.line("", regular);
    out.underlined("", fixed_width_header());
    out.line("", regular);
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        if (i + 1 == sheet.rows.size()) {
            // The rule over "Zakończenie" and "Masa" above the total.
            out.underlined(std::string(37, ' '), std::string(30, ' '));
        }
        out.line(fixed_width_row(sheet.rows[i]), regular);
    }
    out.line("", regular);
    out.line("Koniec raportu.", italic);
    return doc;
}

std::vector<std::string> report_text_lines(const ReportSheet& sheet, DateTime now) {
    return report_document(sheet, now, false).plain_lines();
}

Status write_report_file(const std::filesystem::path& file, const ReportSheet& sheet, DateTime now) {
    return text_file::write_lines(file, report_text_lines(sheet, now));
}

void print_report(const ReportSheet& sheet, Printer& printer, Dialogs& dialogs, const Clock& clock) {
    if (sheet.rows.empty()) {
        dialogs.error("Raport jest pusty!");
        return;
    }
    if (!dialogs.question("Czy napewno drukować raport ważeń końcowych?")) {
        return;
    }
    if (!printer.printer_name()) {
        dialogs.error(kNoPrinter);
        return;
    }
    const auto printed = printer.print(report_document(sheet, clock.now(), true));
    if (!printed) {
        dialogs.error(printed.error().what);
        return;
    }
    dialogs.information("Raport wysłano do drukarki.");
}

void save_report(const ReportSheet& sheet, SaveFileDialog& save_dialog, Dialogs& dialogs, const Clock& clock,
                 const DocumentFileWriter& pdf) {
    if (sheet.rows.empty()) {
        dialogs.error("Raport jest pusty!");
        return;
    }
    const auto file = save_dialog.ask_save_file(
        {"Zapisz raport...", "raport ważeń", "txt", pdf ? "*.txt;;*.pdf" : "*.txt"});
    if (!file) {
        return;
    }
    const bool as_pdf = pdf && upper_pl(file->extension().string()) == ".PDF";
    const Status written = as_pdf ? pdf(report_document(sheet, clock.now(), true), *file)
                                  : write_report_file(*file, sheet, clock.now());
    if (!written) {
        dialogs.error("Błąd (51) przy zapisie do pliku: " + file->string() +
                      "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
        return;
    }
    dialogs.information("Raport zapisano do pliku: " + file->string());
}

}  // namespace wazenie
