#include "reports/report_output.h"

#include "reports/report_heading.h"
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
    out.heading({"Raport ważeń",
                 "Raport naważań przeprowadzonych w dniach: " + sheet.date_from + " - " + sheet.date_to,
                 sheet.client, sheet.recipe},
                now);
    out.line("");
    out.underlined("", fixed_width_header());
    out.line("");
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        if (i + 1 == sheet.rows.size()) {
            // The rule over "Zakończenie" and "Masa" above the total.
            out.underlined(std::string(37, ' '), std::string(30, ' '));
        }
        out.line(fixed_width_row(sheet.rows[i]));
    }
    out.ending();
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
