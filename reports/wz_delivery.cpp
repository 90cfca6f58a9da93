#include "reports/wz_delivery.h"

#include "core/number_text.h"
#include "storage/date_time.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

// Labels padded so that the values stand in one column.
constexpr int kLabelWidth = 21;

void add(std::vector<std::string>& lines, const char* label, const std::string& value) {
    if (!value.empty()) {
        lines.push_back(pad_right(label, kLabelWidth) + value);
    }
}

std::string loading_time(DateTime t) {
    return t == 0 ? "---" : print_date(t) + ", " + print_time(t);
}

}  // namespace

std::vector<std::string> wz_delivery_lines(const WzDelivery& delivery, const recipe_record& r, double total) {
    const RecipeDescription& d = delivery.description;
    std::vector<std::string> lines;
    add(lines, "Klasa wytrzymałości:", d.klasa);
    add(lines, "Klasa ekspozycji:", d.ekspozycja);
    add(lines, "Klasa chlorków:", d.chlorki);
    add(lines, "Konsystencja:", d.konsystencja);
    add(lines, "Dmax kruszywa:", d.dmax ? general_text(*d.dmax) + " mm" : "");
    add(lines, "w/c maks.:", d.wc_maks ? fixed_text(*d.wc_maks, 2) : "");
    add(lines, "Objętość:", d.gestosc && *d.gestosc > 0 ? fixed_text(total / *d.gestosc, 2) + " m³" : "");
    add(lines, "Czas załadunku:", loading_time(r.start_time));
    add(lines, "Samochód:", delivery.truck);
    add(lines, "Budowa:", delivery.site);
    add(lines, "w/c:", delivery.water_cement ? fixed_text(*delivery.water_cement, 2) : "");
    return lines;
}

}  // namespace wazenie
