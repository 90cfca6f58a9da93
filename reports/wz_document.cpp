#include "reports/wz_document.h"

#include <algorithm>

#include "core/number_text.h"
#include "storage/date_time.h"
#include "storage/text_helpers.h"
#include "storage/text_prefix.h"

namespace wazenie {

namespace {

const std::string kMargin(10, ' ');
const std::string kIndent(6, ' ');

PrintFont courier(int size) {
    PrintFont font;
    font.name = "Courier New";
    font.size = size;
    return font;
}

// Writes the document line by line like a canvas whose font stays until it is changed. An empty line
// carries an empty run in the current font, so that its height is that of the font in force.
class WzWriter {
public:
    explicit WzWriter(PrintDocument& doc) : doc_(doc) {}

    PrintFont& font() { return font_; }

    void line(const std::string& text) { line_in(text, font_); }
    void line_in(const std::string& text, const PrintFont& font) {
        doc_.new_line();
        doc_.add(text, font);
    }
    void empty_lines(int count) {
        for (int i = 0; i < count; ++i) {
            line("");
        }
    }
    // `lead` in the current font, then `text` underlined.
    void underlined_after(const std::string& lead, const std::string& text) {
        PrintFont underlined = font_;
        underlined.underline = true;
        doc_.new_line();
        doc_.add(lead, font_);
        doc_.add(text, underlined);
    }

private:
    PrintDocument& doc_;
    PrintFont font_ = courier(11);
};

double process_total(const Scales& w) {
    double total = 0;
    for (int i = Scales::first; i <= Scales::last; ++i) {
        total += w[i].curr_total_weight;
    }
    return total;
}

std::string scale_line(int i, const weight_record& scale) {
    return kMargin + kIndent + "waga " + std::to_string(i) + ":" +
           pad_left(fixed_text(scale.curr_total_weight, scale.precision), 14) + " kg";
}

// The name with its colon, cut to 15 characters (a long name loses the colon first), then the mass.
void material_lines(WzWriter& out, const weight_record& scale, const std::string& indent, int mass_width) {
    const int count = std::clamp(scale.max_material, 0, kMaterials);
    for (int j = 1; j <= count; ++j) {
        const auto& m = scale.m[j];
        out.line(kMargin + indent + pad_right(first_chars(m.material_name + ":", 15), 15) +
                 pad_left(fixed_text(m.curr_total_weight, scale.precision), mass_width) + " kg");
    }
}

void mass_block(WzWriter& out, const Scales& w, int variant, const std::string& total_text) {
    const std::string label = kMargin + "Masa:              ";
    if (variant == 0) {
        out.line(label + total_text + " kg");
        return;
    }
    out.line(label);
    for (int i = Scales::first; i <= Scales::last; ++i) {
        if (variant == 1 || variant == 3) {
            out.line(scale_line(i, w[i]));
        }
        if (variant == 2) {
            material_lines(out, w[i], kIndent, 6);
        } else if (variant == 3) {
            material_lines(out, w[i], std::string(10, ' '), 10);
        }
    }
    out.underlined_after(kMargin + kIndent, std::string(24, ' '));
    out.line(kMargin + kIndent + "Razem: " + pad_left(total_text, 14) + " kg");
    out.font().size = 10;
}

}  // namespace

std::array<std::string, 4> issuer_lines(const Settings& settings) {
    std::array<std::string, 4> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = settings.ini.value(kIssuerSection, "linia" + std::to_string(i + 1)).value_or("");
    }
    return lines;
}

std::string wz_date_time(DateTime t) {
    if (t == 0) {
        return "---";
    }
    return print_date(t) + ", " + print_time_seconds(t);
}

PrintDocument wz_document(const recipe_record& r, const Scales& w, const Settings& settings, DateTime now,
                          int copy, const std::optional<WzDelivery>& delivery) {
    PrintDocument doc;
    doc.title = "Dokument_WZ " + wz_date_time(now);
    if (copy >= 2) {
        doc.title += " c" + std::to_string(copy);
    }
    WzWriter out(doc);
    const std::string rule(70, ' ');

    out.empty_lines(2);
    out.underlined_after(kMargin, rule);
    out.empty_lines(1);
    PrintFont title = out.font();
    title.name = "Times New Roman";
    title.size = 14;
    title.bold = true;
    out.line_in(kMargin + pad_left("DOKUMENT  WZ  NR: " + r.weight_doc, 60), title);
    out.underlined_after(kMargin, rule);
    out.empty_lines(1);
    out.line(kMargin + "Data wydruku: " + print_date(now) + ", " + print_time(now));
    out.empty_lines(1);
    out.underlined_after(kMargin, "Wystawiający:");
    for (const auto& issuer : issuer_lines(settings)) {
        out.line(kMargin + kIndent + issuer);
    }
    out.empty_lines(1);
    out.underlined_after(kMargin, "Klient:");
    out.line(kMargin + kIndent + r.client_full_name);
    out.line(kMargin + kIndent + r.client_address);
    out.line(kMargin + kIndent + "NIP: " + r.client_nip);
    out.empty_lines(1);
    out.line(kMargin + "Początek ważenia: " + wz_date_time(r.start_time));
    out.line(kMargin + "Koniec ważenia:   " + wz_date_time(r.stop_time));
    out.empty_lines(1);
    out.line(kMargin + "Operator:          " + r.user_name);
    out.line(kMargin + "Towar (mieszanka): " + r.recipe_name);
    mass_block(out, w, std::clamp(settings.wz_print_content, 0, 3),
               fixed_text(process_total(w), settings.total_precision));
    if (delivery) {
        out.empty_lines(1);
        for (const std::string& line : wz_delivery_lines(*delivery, r, process_total(w))) {
            out.line(kMargin + line);
        }
    }
    out.empty_lines(3);
    out.line(kMargin + "........................                       .......................");
    PrintFont italic = out.font();
    italic.italic = true;
    out.line_in(kMargin + "        Odebrał                                        Wystawił", italic);
    return doc;
}

}  // namespace wazenie
