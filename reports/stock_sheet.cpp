#include "reports/stock_sheet.h"

#include "reports/damaged_lines.h"
#include "reports/report_heading.h"
#include "storage/date_time.h"

namespace wazenie {

namespace {

constexpr const char* kNoMovements = "<brak ruchów>";

}  // namespace

bool stock_low(const MaterialStock& m, const StockLevels& levels) {
    const auto level = levels.find(m.material);
    return level != levels.end() && m.kg <= level->second;
}

TextTable stock_table(const StockBook& book, const StockLevels& levels) {
    TextTable table{
        {"Materiał", "Stan [kg]", "Poziom niski [kg]", "Ostatnia dostawa", "Ilość [kg]", "Dokument"},
        {false, true, true, false, true, false},
        {}};
    for (const MaterialStock& m : book.materials()) {
        const auto level = levels.find(m.material);
        std::vector<std::string> row{m.material,
                                     stock_kg_text(m.kg),
                                     level == levels.end() ? "" : stock_kg_text(level->second),
                                     "",
                                     "",
                                     ""};
        if (m.last_delivery) {
            row[3] = file_date_time(m.last_delivery->time);
            row[4] = stock_kg_text(m.last_delivery->kg);
            row[5] = m.last_delivery->document;
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

TextTable movements_table(const StockMovements& m) {
    TextTable table{{"Data", "Ruch", "Materiał", "Masa [kg]", "Dokument", "Operator"},
                    {false, false, false, true, false, false},
                    {}};
    for (const StockEntry& e : m.entries) {
        table.rows.push_back({file_date_time(e.time), std::string(stock_move_text(e.move)), e.material,
                              stock_kg_text(e.kg), e.document, e.operator_name});
    }
    table.rows.push_back({"", "dostawy razem", "", stock_kg_text(m.delivered), "", ""});
    table.rows.push_back({"", "zużycie razem", "", stock_kg_text(m.consumed), "", ""});
    table.rows.push_back({"", "korekty razem", "", stock_kg_text(m.corrected), "", ""});
    return table;
}

PrintDocument stock_document(const StockBook& book, const StockLevels& levels, DateTime now) {
    PrintDocument doc;
    ReportWriter out(doc, false);
    out.heading({"Stan magazynu", "Stan magazynu", "", ""}, now);
    out.line("");
    if (book.materials().empty()) {
        out.line("<brak materiałów w magazynie>");
    } else {
        write_table(out, stock_table(book, levels), false);
    }
    out.ending();
    return doc;
}

std::string stock_write_error(const std::filesystem::path& file) {
    return "Błąd przy zapisie do pliku: " + file.string() +
           "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.";
}

std::optional<StockFiles> read_stock_files(const std::filesystem::path& data_dir, Dialogs& dialogs) {
    StockFiles files;
    std::string skipped;
    const auto note_skipped = [&skipped](const std::filesystem::path& file,
                                         const std::vector<std::string>& damaged) {
        if (damaged.empty()) {
            return;
        }
        skipped += (skipped.empty() ? "" : "\r") + damaged_lines_text(file, damaged);
    };
    const auto ledger_file = stock_ledger_path(data_dir);
    auto ledger = read_stock_ledger(ledger_file);
    const auto levels_file = stock_levels_path(data_dir);
    auto levels = read_stock_levels(levels_file);
    if (!ledger || !levels) {
        dialogs.error("Nie można odczytać pliku: " + (ledger ? levels_file : ledger_file).string());
        return std::nullopt;
    }
    note_skipped(ledger_file, ledger->damaged);
    note_skipped(levels_file, levels->damaged);
    if (!skipped.empty()) {
        dialogs.warning(skipped);
    }
    files.entries = std::move(ledger->entries);
    files.levels = std::move(levels->levels);
    return files;
}

PrintDocument movements_document(const std::string& date_from, const std::string& date_to,
                                 const StockMovements& movements, DateTime now, bool for_printer) {
    PrintDocument doc;
    ReportWriter out(doc, for_printer);
    const std::string title = "Ruchy magazynowe";
    out.heading({title, title + " w dniach: " + date_from + " - " + date_to, "", ""}, now);
    out.line("");
    if (movements.entries.empty()) {
        out.line(kNoMovements);
    } else {
        write_table(out, movements_table(movements), false);
    }
    out.ending();
    return doc;
}

}  // namespace wazenie
