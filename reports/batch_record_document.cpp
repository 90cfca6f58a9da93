#include "reports/batch_record_document.h"

#include <algorithm>

#include "core/number_text.h"
#include "reports/wz_document.h"
#include "storage/date_time.h"
#include "storage/text_helpers.h"
#include "storage/text_prefix.h"

namespace wazenie {

namespace {

const std::string kMargin(2, ' ');
constexpr int kLeftColumn = 64;
constexpr int kLabel = 17;
constexpr int kName = 20;

PrintFont courier(bool bold) {
    PrintFont font;
    font.bold = bold;
    return font;
}

void add_line(PrintDocument& doc, const std::string& text, bool bold = false) {
    doc.new_line();
    doc.add(text, courier(bold));
}

std::string labelled(const std::string& label, const std::string& value) {
    return pad_right(label, kLabel) + value;
}

std::vector<std::string> left_header(const BatchRecord& record) {
    const recipe_record& r = record.r;
    std::vector<std::string> lines = {
        labelled("Dokument WZ nr:", r.weight_doc), labelled("Receptura:", r.recipe_name),
        labelled("Klient:", r.client_full_name.empty() ? r.recipe_client : r.client_full_name)};
    for (const std::string& plant : record.plant) {
        if (!plant.empty()) {
            lines.push_back(labelled(lines.size() == 3 ? "Wytwórnia:" : "", plant));
        }
    }
    return lines;
}

std::vector<std::string> right_header(const BatchRecord& record, DateTime now) {
    return {labelled("Początek:", wz_date_time(record.r.start_time)),
            labelled("Koniec:", wz_date_time(record.r.stop_time)),
            labelled("Operator:", record.r.user_name),
            labelled("Masa całkowita:", fixed_text(record.total_mass, record.total_precision) + " kg"),
            labelled("Liczba cykli:", std::to_string(record.cycles)),
            labelled("Data wydruku:", print_date(now) + ", " + print_time(now))};
}

// Scale and name, cycle, then the masses and the judgement, each right-aligned in its column.
std::string table_row(const std::string& scale, const std::string& name, const std::string& cycle,
                      const std::vector<std::string>& figures) {
    static constexpr int widths[] = {11, 9, 11, 11, 11, 10, 9, 8, 8};
    std::string line =
        kMargin + pad_right(scale, 2) + pad_right(first_chars(name, kName), kName) + pad_left(cycle, 6);
    for (std::size_t k = 0; k < figures.size(); ++k) {
        line += pad_left(figures[k], widths[k]);
    }
    return line;
}

std::vector<std::string> dose_figures(const BatchDose& d, const BatchMaterial& m) {
    const auto kg = [&m](double x) { return fixed_text(x, m.precision); };
    return {kg(d.dry),
            fixed_text(d.moisture, 2),
            kg(d.target),
            kg(d.sent),
            kg(d.dosed),
            signed_fixed_text(d.deviation.kg, m.precision),
            d.deviation.percent ? signed_fixed_text(*d.deviation.percent, 1) : "-",
            general_text(round_to(m.tolerance, 2)),
            d.deviation.outside ? "NIE" : "tak"};
}

void material_rows(PrintDocument& doc, const BatchMaterial& m) {
    for (const BatchDose& d : m.cycles) {
        const bool first = d.cycle == m.cycles.front().cycle;
        add_line(doc, table_row(first ? std::to_string(m.scale) : "", first ? m.name : "",
                                std::to_string(d.cycle), dose_figures(d, m)));
    }
    add_line(doc, table_row("", "", "razem", dose_figures(m.total, m)), true);
}

}  // namespace

std::string water_cement_verdict(const BatchRecord& record) {
    if (!record.water_cement) {
        return {};
    }
    const auto comma = [](double x) { return to_comma(fixed_text(x, 2)); };
    const std::string text = "w/c: " + comma(*record.water_cement);
    if (!record.wc_maks) {
        return text + " (bez w/c maks.)";
    }
    const bool within = round_to(*record.water_cement, 2) <= *record.wc_maks + 1e-9;
    return text + " (maks. " + comma(*record.wc_maks) + ") — " + (within ? "zgodne" : "PRZEKROCZONE");
}

PrintDocument batch_record_document(const BatchRecord& record, DateTime now, int copy) {
    PrintDocument doc;
    doc.orientation = PageOrientation::Landscape;
    doc.title = "Karta_zarobu " + wz_date_time(now);
    if (copy >= 2) {
        doc.title += " c" + std::to_string(copy);
    }
    PrintFont title;
    title.name = "Times New Roman";
    title.size = 14;
    title.bold = true;
    doc.new_line().add(kMargin + "Karta zarobu", title);
    add_line(doc, "");
    const auto left = left_header(record);
    const auto right = right_header(record, now);
    for (std::size_t k = 0; k < std::max(left.size(), right.size()); ++k) {
        const std::string text =
            pad_right(k < left.size() ? left[k] : "", kLeftColumn) + (k < right.size() ? right[k] : "");
        add_line(doc, kMargin + text.substr(0, text.find_last_not_of(' ') + 1));
    }
    add_line(doc, "");
    add_line(doc,
             table_row("W", "Materiał", "Cykl",
                       {"Sucha", "Wilg. %", "Zadana", "Wysłano", "Dozowano", "Odch. kg", "Odch. %", "Tol. %",
                        "W tol."}),
             true);
    for (const BatchMaterial& m : record.materials) {
        add_line(doc, "");
        material_rows(doc, m);
    }
    add_line(doc, "");
    add_line(doc,
             kMargin + "Masy w kg; sucha: przed doliczeniem wilgotności kruszywa, wysłano: do miernika.");
    if (const std::string verdict = water_cement_verdict(record); !verdict.empty()) {
        add_line(doc, kMargin + verdict, true);
    }
    return doc;
}

}  // namespace wazenie
