#include "clients/client_print.h"

#include <string>

#include "storage/date_time.h"
#include "storage/text_helpers.h"
#include "storage/text_prefix.h"

namespace wazenie {

namespace {

const std::string kIndent(8, ' ');

PrintFont font() {
    PrintFont f;
    f.name = "Courier New";
    f.size = 9;
    return f;
}

PrintFont styled(bool bold, bool italic, bool underline) {
    PrintFont f = font();
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    return f;
}

void line(PrintDocument& doc, const std::string& text, const PrintFont& style = font()) {
    doc.new_line().add(kIndent, font());
    if (!text.empty()) {
        doc.add(text, style);
    }
}

std::string cut_pad(const std::string& text, int width) {
    return pad_right(first_chars(text, width), width);
}

}  // namespace

PrintDocument client_table_document(const std::vector<Client>& rows, DateTime now) {
    const std::string stamp = print_date(now) + ", " + print_time_seconds(now);
    PrintDocument doc;
    doc.title = "Baza klientów " + stamp;
    doc.orientation = PageOrientation::Portrait;
    for (int i = 0; i < 4; ++i) {
        line(doc, "");
    }
    line(doc, "Baza klientów", styled(true, false, false));
    line(doc, "Data sporządzenia raportu: " + stamp);
    line(doc, "");
    line(doc, " Lp.  " + pad_right("Nazwa klienta", 40) + pad_right("Adres klienta", 50),
         styled(false, false, true));
    line(doc, "");
    int number = 0;
    for (const Client& c : rows) {
        line(doc, pad_left(std::to_string(++number), 4) + "  " + cut_pad(c.short_name, 40) +
                      cut_pad(c.full_name, 50));
    }
    line(doc, "");
    line(doc, "Koniec raportu.", styled(false, true, false));
    return doc;
}

}  // namespace wazenie
