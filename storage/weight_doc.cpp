#include "storage/weight_doc.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "storage/date_time.h"
#include "storage/settings.h"

namespace wazenie {

namespace {

// Replaces the first occurrence of a placeholder, whatever its letter case.
void replace_first(std::string& text, std::string_view placeholder, const std::string& by) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto at = lower.find(placeholder);
    if (at != std::string::npos) {
        text.replace(at, placeholder.size(), by);
    }
}

std::string digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

}  // namespace

bool weight_doc_available(const Settings& settings) {
    return weight_doc_number_usable(settings.weightdoc_next);
}

std::optional<std::string> next_weight_doc(Settings& settings, DateTime now) {
    if (!weight_doc_available(settings)) {
        return std::nullopt;
    }
    const DateTimeParts today = split_date_time(now);
    std::string number = settings.weightdoc_format;
    replace_first(number, "%n%", std::to_string(settings.weightdoc_next));
    replace_first(number, "%y%", digits(today.year, 4));
    replace_first(number, "%m%", digits(today.month, 2));
    replace_first(number, "%d%", digits(today.day, 2));
    ++settings.weightdoc_next;
    return number;
}

std::string weight_doc_refusal(const Settings& settings) {
    const std::string value = settings.weightdoc_next >= 1
                                  ? std::to_string(settings.weightdoc_next)
                                  : settings.ini.value("Dokument WZ", "nast_numer").value_or("");
    return "Błędny numer następnego dokumentu WZ: nast_numer=" + value +
           " w pliku konfig.ini.\rNumery WZ nie są wydawane, a wagi nie zostaną uruchomione, dopóki "
           "numer nie zostanie poprawiony w ustawieniach (liczba od 1 do 2147483646).";
}

}  // namespace wazenie
