#include "storage/correction_settings.h"

#include <cmath>
#include <optional>
#include <string>

#include "core/number_text.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr const char* kEnabled = "wlaczona";
constexpr const char* kMakeUp = "wyrownanie";
constexpr const char* kWeight = "wspolczynnik";
constexpr const char* kMaxPercent = "maks_procent";

class Reader {
public:
    Reader(const IniDocument& ini, std::vector<ReplacedValue>& replaced) : ini_(ini), replaced_(replaced) {}

    void flag(const char* key, bool& field) {
        const auto text = ini_.value(kCorrectionSection, key);
        if (!text) {
            return;
        }
        const auto value = parse_int(*text);
        if (value && (*value == 0 || *value == 1)) {
            field = *value == 1;
        } else {
            replaced_.push_back({kCorrectionSection, key, *text, std::to_string(flag_to_int(field))});
        }
    }

    void decimal(const char* key, double& field, bool (*valid)(double)) {
        const auto text = ini_.value(kCorrectionSection, key);
        if (!text) {
            return;
        }
        const auto value = parse_decimal(*text);
        if (value && valid(*value)) {
            field = *value;
        } else {
            replaced_.push_back({kCorrectionSection, key, *text, to_comma(general_text(field))});
        }
    }

private:
    const IniDocument& ini_;
    std::vector<ReplacedValue>& replaced_;
};

}  // namespace

bool valid_correction_weight(double a) {
    return std::isfinite(a) && a > 0 && a <= 1;
}

bool valid_correction_percent(double percent) {
    return std::isfinite(percent) && percent > 0 && percent <= 100;
}

CorrectionSettings read_correction_settings(const IniDocument& ini, std::vector<ReplacedValue>& replaced) {
    CorrectionSettings s;
    Reader reader(ini, replaced);
    reader.flag(kEnabled, s.enabled);
    reader.flag(kMakeUp, s.make_up);
    reader.decimal(kWeight, s.weight, valid_correction_weight);
    reader.decimal(kMaxPercent, s.max_percent, valid_correction_percent);
    return s;
}

void store_correction_settings(IniDocument& ini, const CorrectionSettings& s) {
    ini.set(kCorrectionSection, kEnabled, std::to_string(flag_to_int(s.enabled)));
    ini.set(kCorrectionSection, kMakeUp, std::to_string(flag_to_int(s.make_up)));
    ini.set(kCorrectionSection, kWeight, to_comma(general_text(s.weight)));
    ini.set(kCorrectionSection, kMaxPercent, to_comma(general_text(s.max_percent)));
}

}  // namespace wazenie
