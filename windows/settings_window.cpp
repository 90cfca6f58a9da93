#include "windows/settings_window.h"

#include <algorithm>
#include <utility>

#include "comm/port_connection.h"
#include "core/change_journal.h"
#include "core/number_text.h"
#include "station/scale_settings.h"
#include "storage/correction_settings.h"
#include "storage/settings_changes.h"
#include "storage/weight_doc.h"

namespace wazenie {

namespace {

constexpr const char* kFormatHelp =
    "Format dokumentu wagowego może zawierać: \r"
    "   %n%  - numer następnego dokumentu wagowego\r"
    "   %y%  - bierzący rok\r"
    "   %m%  - bierzący miesiąc\r"
    "   %d%  - bierzący dzień \r"
    "\r"
    "np.: dok %n%/%y%-%m%-%d%";
constexpr const char* kArchiveHelp = "Zapisanie skompresowanych danych aplikacji we wskazanym katalogu.";
constexpr const char* kWeightRange = "Współczynnik uczenia musi być liczbą większą od 0 i nie większą od 1!";
constexpr const char* kPercentRange =
    "Największa korekta musi być liczbą większą od 0 i nie większą od 100 (procent masy zadanej)!";

// A precision read from the file may lie outside what the window offers; the text stays sane.
std::string decimal_text(double value, int precision) {
    return fixed_text(value, std::clamp(precision, 0, 15));
}

// The conversion errors that stop the applying, worded as everywhere else in the program.
std::string not_an_integer(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

std::string not_a_decimal(const std::string& text) {
    return "'" + text + "' is not a valid floating point value";
}

// The scales' fields into `scales`, step by step in the window's order; the conversion error of the
// first field that fails, the steps before it taken.
std::optional<std::string> read_scales(const SettingsForm& f, ScalesSettings& scales) {
    for (int n = 1; n <= kScales; ++n) {
        const std::optional<int> max = parse_int(f.max_weight[n]);
        if (!max) {
            return not_an_integer(f.max_weight[n]);
        }
        scales[n].max_weight = *max;
    }
    for (auto [texts, field] : {std::pair{&f.min_weight, &ScaleSettings::min_weight},
                                std::pair{&f.sta_weight, &ScaleSettings::sta_weight}}) {
        for (int n = 1; n <= kScales; ++n) {
            const std::optional<double> value = parse_decimal((*texts)[n]);
            if (!value) {
                return not_a_decimal((*texts)[n]);
            }
            scales[n].*field = *value;
        }
    }
    for (int n = 1; n <= kScales; ++n) {
        scales[n].weight_enabled = f.weight_enabled[n];
        scales[n].precision = f.precision[n];
    }
    return std::nullopt;
}

// A value of the in-flight correction, or nothing (the range told) when it does not read or lies
// outside its range.
std::optional<double> correction_value(const std::string& text, bool (*valid)(double), const char* range,
                                       Dialogs& dialogs) {
    const std::optional<double> value = parse_decimal(text);
    if (!value || !valid(*value)) {
        dialogs.error(range);
        return std::nullopt;
    }
    return value;
}

// A value that shows as it did when the window opened keeps the file's own digits.
double typed_or_kept(double typed, double kept) {
    return general_text(typed) == general_text(kept) ? kept : typed;
}

// The in-flight correction's step of OK: the section is written only when a value changed.
void apply_correction(const SettingsForm& f, Settings& settings, Dialogs& dialogs) {
    const auto weight = correction_value(f.correction_weight, valid_correction_weight, kWeightRange, dialogs);
    if (!weight) {
        return;
    }
    const auto percent =
        correction_value(f.correction_percent, valid_correction_percent, kPercentRange, dialogs);
    if (!percent) {
        return;
    }
    const CorrectionSettings chosen{f.correction_enabled, f.correction_make_up,
                                    typed_or_kept(*weight, settings.correction.weight),
                                    typed_or_kept(*percent, settings.correction.max_percent)};
    if (chosen != settings.correction) {
        settings.correction = chosen;
        store_correction_settings(settings.ini, chosen);
    }
}

}  // namespace

std::string speed_choice_text(int choice) {
    return std::to_string(speed_bits_per_second(choice));
}

SettingsWindow::SettingsWindow(Station& station, Dialogs& dialogs)
    : station_(station), settings_(station.settings()), dialogs_(dialogs) {}

SettingsForm SettingsWindow::open(int port_speed) const {
    SettingsForm f;
    f.port_choice = std::clamp(settings_.port_num, 1, kPortChoices);
    const int speed = speed_number(port_speed) != 0 ? speed_number(port_speed) : speed_number(9600);
    f.speed_choice = std::min(speed, kSpeedsInSettingsWindow);
    f.timings_shown = settings_.log == 1;
    f.rs_timeout = settings_.rs_timeout;
    f.rs_delay = settings_.rs_delay;
    f.rs_delay_recipe = settings_.rs_delay_recipe;
    f.admin_change_client = settings_.admin_change_client;
    f.admin_change_recipe = settings_.admin_change_recipe;
    f.total_precision = settings_.total_precision;
    for (int n = 1; n <= kScales; ++n) {
        const weight_record& scale = station_.process().w[n];
        f.precision[n] = scale.precision;
        f.max_weight[n] = std::to_string(scale.max_weight);
        f.weight_enabled[n] = scale.weight_enabled;
        f.min_weight[n] = decimal_text(scale.min_weight, scale.precision);
        f.sta_weight[n] = decimal_text(scale.sta_weight, scale.precision);
    }
    f.weightdoc_next = std::to_string(settings_.weightdoc_next);
    f.weightdoc_format = settings_.weightdoc_format;
    f.enable_change_weightdoc = settings_.enable_change_weightdoc;
    f.wz_print_content = std::clamp(settings_.wz_print_content, 0, 3);
    f.wz_pn_en_206 = settings_.wz_pn_en_206;
    f.run_maximized = settings_.run_maximized;
    f.block_down_buttons = settings_.block_down_buttons;
    f.correction_enabled = settings_.correction.enabled;
    f.correction_make_up = settings_.correction.make_up;
    f.correction_weight = general_text(settings_.correction.weight);
    f.correction_percent = general_text(settings_.correction.max_percent);
    return f;
}

std::optional<std::string> SettingsWindow::leave_max_weight(const std::string& text) {
    if (!parse_int(text)) {
        dialogs_.error("Masa maksymalna musi być liczbą całkowitą!");
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> SettingsWindow::leave_decimal(int scale, const std::string& text) {
    std::optional<double> value = parse_decimal(text);
    if (!value) {
        dialogs_.error("Błąd! Wprowadź wartość liczbową.");
        return std::nullopt;
    }
    return decimal_text(*value, station_.process().w[scale].precision);
}

std::optional<std::string> SettingsWindow::leave_weightdoc_next(const std::string& text) {
    const std::optional<int> value = parse_int(text);
    if (!value) {
        dialogs_.error("Numer następnego dokumentu musi być liczbą całkowitą!");
        return std::nullopt;
    }
    if (!weight_doc_number_usable(*value)) {
        dialogs_.error("Numer następnego dokumentu musi być liczbą od 1 do 2147483646!");
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> SettingsWindow::leave_correction_weight(const std::string& text) {
    const auto value = correction_value(text, valid_correction_weight, kWeightRange, dialogs_);
    return value ? std::optional(general_text(*value)) : std::nullopt;
}

std::optional<std::string> SettingsWindow::leave_correction_percent(const std::string& text) {
    const auto value = correction_value(text, valid_correction_percent, kPercentRange, dialogs_);
    return value ? std::optional(general_text(*value)) : std::nullopt;
}

bool SettingsWindow::weight_enabled_clicked(const IndexedArray<bool, kScales>& boxes) {
    if (std::none_of(boxes.begin(), boxes.end(), [](bool on) { return on; })) {
        dialogs_.error("Nie mogą być wszystkie wagi wyłączone!");
        return false;
    }
    return true;
}

void SettingsWindow::show_format_help() {
    dialogs_.information(kFormatHelp);
}

void SettingsWindow::show_archive_help() {
    dialogs_.information(kArchiveHelp);
}

// Each key that OK changed goes into the audit trail, also when a refusal stopped the applying halfway.
void SettingsWindow::apply(const SettingsForm& f) {
    const IniDocument before = settings_document(settings_, station_.process().w);
    apply_form(f);
    for (const Change& change : setting_changes(before, settings_document(settings_, station_.process().w))) {
        station_.changes().record(change);
    }
}

void SettingsWindow::apply_form(const SettingsForm& f) {
    settings_.port_num = f.port_choice;
    settings_.baud_rate = speed_bits_per_second(f.speed_choice);
    station_.apply_port_settings();

    settings_.admin_change_client = f.admin_change_client;
    settings_.admin_change_recipe = f.admin_change_recipe;
    settings_.enable_change_weightdoc = f.enable_change_weightdoc;
    settings_.run_maximized = f.run_maximized;

    const std::optional<int> next = parse_int(f.weightdoc_next);
    if (!next) {
        dialogs_.error(not_an_integer(f.weightdoc_next));
        return;
    }
    settings_.weightdoc_next = *next;
    settings_.weightdoc_format = f.weightdoc_format;
    settings_.wz_print_content = f.wz_print_content;
    // Into the file only once changed, so that a plant that never chose it keeps konfig.ini as it was.
    if (f.wz_pn_en_206 != settings_.wz_pn_en_206) {
        settings_.wz_pn_en_206 = f.wz_pn_en_206;
        store_wz_pn_en_206(settings_.ini, f.wz_pn_en_206);
    }

    // The scales' steps reach the station as far as they converted, before a refusal is shown; the
    // decimals only when every step converted.
    ScalesSettings scales = scale_settings_of(station_.process().w);
    const std::optional<std::string> refused = read_scales(f, scales);
    station_.apply_scale_settings(scales, refused ? settings_.total_precision : f.total_precision);
    if (refused) {
        dialogs_.error(*refused);
        return;
    }

    // Hidden timings stay as they are, also when the file held more than a spin edit can show.
    if (f.timings_shown) {
        settings_.rs_timeout = f.rs_timeout;
        settings_.rs_delay = f.rs_delay;
        settings_.rs_delay_recipe = f.rs_delay_recipe;
    }
    settings_.block_down_buttons = f.block_down_buttons;
    apply_correction(f, settings_, dialogs_);
}

}  // namespace wazenie
