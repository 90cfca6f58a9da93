#include "storage/settings.h"

#include <climits>
#include <string>

#include "core/number_text.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"
#include "storage/weight_doc.h"

namespace wazenie {

namespace {

constexpr int kPorts = 16;

// The range a stored integer must lie in to be taken; outside it the key's default holds, so that
// no later step divides by 0 or picks a printout or a precision that does not exist.
struct Range {
    int lo = INT_MIN;
    int hi = INT_MAX;
};

enum class Write { always, unless_zero };

// Every key of the file in its order: the loader and the saver walk the same list. `S` and `W` are
// const for the saver.
template <typename Visitor, typename S, typename W>
void visit_keys(Visitor& v, S& s, W& w) {
    for (int n = 1; n <= kScales; ++n) {
        v.flag("Podlaczone_wagi", "waga" + std::to_string(n), w[n].weight_enabled, false);
    }
    v.after_enabled_scales();
    for (int n = 1; n <= kScales; ++n) {
        v.integer("Masa maksymalna wagi", "waga" + std::to_string(n), w[n].max_weight, 200,
                  Range{1, INT_MAX});
    }
    for (int n = 1; n <= kScales; ++n) {
        v.decimal("Oproznianie_zbiornika", "waga" + std::to_string(n) + "_min", w[n].min_weight, 5.0);
        v.decimal("Oproznianie_zbiornika", "waga" + std::to_string(n) + "_sta", w[n].sta_weight, 1.0);
    }
    for (int n = 1; n <= kScales; ++n) {
        v.integer("Precyzja wagi", "waga" + std::to_string(n), w[n].precision, 1, Range{0, 3});
    }
    for (int n = 1; n <= kScales; ++n) {
        v.optional_integer("Miejsca_dziesietne_miernika", "waga" + std::to_string(n), w[n].meter_decimals,
                           Range{0, 3});
    }
    v.integer("Masa calkowita", "precyzja", s.total_precision, 0, Range{0, 3});
    // COM0 and below name no port (and "port - 1" names the device).
    v.integer("Polaczenie_RS", "port", s.port_num, 1, Range{1, INT_MAX});
    v.integer("Polaczenie_RS", "predkosc", s.baud_rate, 9600);
    v.integer("Polaczenie_RS", "czas_oczekiwania", s.rs_timeout, 400);
    v.integer("Polaczenie_RS", "opoznienie_wysylania", s.rs_delay, 100);
    v.integer("Polaczenie_RS", "opoznienie_wysylania_receptury", s.rs_delay_recipe, 10);
    v.flag("Wyglad", "tryb_pelnoekranowy", s.run_maximized, false);
    v.flag("Inne", "blokuj_wcisniete_przyciski", s.block_down_buttons, false);
    v.integer("Inne", "log", s.log, 0, Range{}, Write::unless_zero);
    v.text("Dokument WZ", "format", s.weightdoc_format, "WZ/%n%/%y%");
    v.counter("Dokument WZ", "nast_numer", s.weightdoc_next, Range{1, kLastWeightDocNumber});
    v.integer("Dokument WZ", "wydruk", s.wz_print_content, 1, Range{0, 3});
    v.flag("Uprawnienia", "tylko_admin_zmienia_receptury", s.admin_change_recipe, false);
    v.flag("Uprawnienia", "tylko_admin_zmienia_kontrahentow", s.admin_change_client, false);
}

class Loader {
public:
    Loader(const IniDocument& ini, Scales& w) : ini_(ini), w_(w) {}

    void flag(const char* section, const std::string& key, bool& field, bool fallback) {
        const auto value = read_int(section, key);
        field = value ? int_to_flag(*value) : fallback;
        if (!value) {
            note_if_present(section, key, std::to_string(flag_to_int(fallback)));
        }
    }

    void integer(const char* section, const std::string& key, int& field, int fallback, Range range = {},
                 Write = Write::always) {
        const auto value = read_int(section, key);
        const bool valid = value && *value >= range.lo && *value <= range.hi;
        field = valid ? *value : fallback;
        if (!valid) {
            note_if_present(section, key, std::to_string(fallback));
        }
    }

    void optional_integer(const char* section, const std::string& key, std::optional<int>& field,
                          Range range) {
        const auto value = read_int(section, key);
        field = value && *value >= range.lo && *value <= range.hi ? value : std::nullopt;
        // Read as absent, but left as written in the file: the operator is told at every start.
        if (!field) {
            note_if_present(section, key, std::nullopt);
        }
    }

    // A counter that did not read is not restarted at 1, which would issue its numbers again: 0
    // stands for a value the operator must correct, and the file keeps it as written meanwhile.
    void counter(const char* section, const std::string& key, int& field, Range range) {
        const auto value = read_int(section, key);
        const bool valid = value && *value >= range.lo && *value <= range.hi;
        const bool present = ini_.value(section, key).has_value();
        field = valid ? *value : present ? 0 : 1;
        if (!valid) {
            note_if_present(section, key, std::nullopt);
        }
    }

    void decimal(const char* section, const std::string& key, double& field, double fallback) {
        const auto text = ini_.value(section, key);
        const auto value = text ? parse_decimal(*text) : std::nullopt;
        field = value ? *value : fallback;
        if (!value) {
            note_if_present(section, key, to_comma(general_text(fallback)));
        }
    }

    void text(const char* section, const std::string& key, std::string& field, const char* fallback) {
        field = ini_.value(section, key).value_or(fallback);
    }

    // Not every scale may be off: the first one then takes part.
    void after_enabled_scales() {
        for (const weight_record& scale : w_) {
            if (scale.weight_enabled) {
                return;
            }
        }
        w_[1].weight_enabled = true;
    }

    std::vector<ReplacedValue> replaced;

private:
    // An absent key takes its default silently; a present one that did not read is told.
    void note_if_present(const char* section, const std::string& key,
                         std::optional<std::string> replacement) {
        if (auto text = ini_.value(section, key)) {
            replaced.push_back({section, key, std::move(*text), std::move(replacement)});
        }
    }

    std::optional<int> read_int(const char* section, const std::string& key) const {
        const auto text = ini_.value(section, key);
        return text ? parse_int(*text) : std::nullopt;
    }

    const IniDocument& ini_;
    Scales& w_;
};

class Saver {
public:
    explicit Saver(IniDocument& ini) : ini_(ini) {}

    void flag(const char* section, const std::string& key, bool field, bool) {
        ini_.set(section, key, std::to_string(flag_to_int(field)));
    }

    void integer(const char* section, const std::string& key, int field, int, Range = {},
                 Write write = Write::always) {
        // A zero that is not written leaves whatever the file holds under the key.
        if (write == Write::always || field != 0) {
            ini_.set(section, key, std::to_string(field));
        }
    }

    // Absent stays absent, so a file that never had the key keeps sending what it always sent.
    void optional_integer(const char* section, const std::string& key, const std::optional<int>& field,
                          Range) {
        if (field) {
            ini_.set(section, key, std::to_string(*field));
        }
    }

    void counter(const char* section, const std::string& key, int field, Range) {
        if (field >= 1) {
            ini_.set(section, key, std::to_string(field));
        }
    }

    void decimal(const char* section, const std::string& key, double field, double) {
        ini_.set(section, key, to_comma(general_text(field)));
    }

    void text(const char* section, const std::string& key, const std::string& field, const char*) {
        ini_.set(section, key, field);
    }

    void after_enabled_scales() {}

private:
    IniDocument& ini_;
};

std::string default_port_device(int port_num) {
#ifdef _WIN32
    return port_name(port_num);
#else
    return "/dev/ttyS" + std::to_string(static_cast<long long>(port_num) - 1);
#endif
}

}  // namespace

std::string port_name(int port_num) {
    return "COM" + std::to_string(port_num);
}

std::string port_device(const Settings& settings, int port_num) {
    if (port_num >= 1 && port_num <= kPorts) {
        const auto device = settings.ini.value("Porty", port_name(port_num));
        if (device && !trim(*device).empty()) {
            return std::string(trim(*device));
        }
    }
    return default_port_device(port_num);
}

void store_wz_pn_en_206(IniDocument& ini, bool on) {
    ini.set(kWzSection, kWzPnEn206Key, std::to_string(flag_to_int(on)));
}

std::filesystem::path settings_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "konfig.ini";
}

std::vector<ReplacedValue> load_settings(const std::filesystem::path& file, Settings& settings, Scales& w) {
    // A file that is missing or cannot be read gives every default; the first save creates it.
    const auto lines = text_file::read_lines(file, text_file::LineEnds::also_lone_cr);
    settings.ini = IniDocument::parse(lines ? *lines : std::vector<std::string>{});
    Loader loader(settings.ini, w);
    visit_keys(loader, settings, w);
    settings.correction = read_correction_settings(settings.ini, loader.replaced);
    settings.moisture_valid_hours = read_moisture_valid_hours(settings.ini, loader.replaced);
    if (const auto en206 = settings.ini.value(kWzSection, kWzPnEn206Key)) {
        const auto value = parse_int(*en206);
        settings.wz_pn_en_206 = value == 1;
        if (value != 0 && value != 1) {
            loader.replaced.push_back({kWzSection, kWzPnEn206Key, *en206, "0"});
        }
    }
    return std::move(loader.replaced);
}

std::string replaced_values_text(const std::vector<ReplacedValue>& replaced) {
    std::string text = "Błędne wartości w pliku konfig.ini:";
    for (const ReplacedValue& r : replaced) {
        text += "\r[" + r.section + "] " + r.key + "=" + r.value + " → " +
                (r.replacement ? "przyjęto " + *r.replacement : "pominięto do czasu poprawienia");
    }
    return text;
}

IniDocument settings_document(const Settings& settings, const Scales& w) {
    IniDocument ini = settings.ini;
    Saver saver(ini);
    visit_keys(saver, settings, w);
    // A file that holds the section gets all of it, a replaced value among them; one without keeps none.
    if (!ini.entries(kCorrectionSection).empty()) {
        store_correction_settings(ini, settings.correction);
    }
    if (!ini.entries(kMoistureSection).empty()) {
        store_moisture_valid_hours(ini, settings.moisture_valid_hours);
    }
    if (ini.value(kWzSection, kWzPnEn206Key)) {
        store_wz_pn_en_206(ini, settings.wz_pn_en_206);
    }
    return ini;
}

Status save_settings(const std::filesystem::path& file, const Settings& settings, const Scales& w) {
    const IniDocument ini = settings_document(settings, w);
    std::filesystem::path work_file = file;
    work_file += ".tmp";
    const Status saved = text_file::replace_atomically(file, work_file, ini.lines());
    if (!saved) {
        return Error{saved.error().what, file.string()};
    }
    return {};
}

}  // namespace wazenie
