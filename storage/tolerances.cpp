#include "storage/tolerances.h"

#include <cmath>

#include "core/number_text.h"
#include "core/trim.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr const char* kSection = "Tolerancje";
constexpr const char* kDefaultKey = "DOMYSLNA";

std::optional<double> percent_of(std::string_view text) {
    const auto value = parse_decimal(trim(text));
    return value && std::isfinite(*value) && *value >= 0 ? value : std::nullopt;
}

}  // namespace

Tolerances Tolerances::from(const IniDocument& ini) {
    Tolerances t;
    for (const auto& [key, value] : ini.entries(kSection)) {
        const auto percent = percent_of(value);
        if (!percent) {
            continue;
        }
        std::string name = upper_pl(trim(key));
        if (name == kDefaultKey) {
            t.default_percent_ = *percent;
        } else {
            t.by_name_.insert_or_assign(std::move(name), *percent);
        }
    }
    return t;
}

double Tolerances::percent_for(std::string_view material_name) const {
    if (by_name_.empty()) {
        return default_percent_;
    }
    const auto it = by_name_.find(upper_pl(trim(material_name)));
    return it == by_name_.end() ? default_percent_ : it->second;
}

}  // namespace wazenie
