#include "windows/settings_window.h"

#include <algorithm>
#include <utility>

#include "comm/port_connection.h"
#include "core/number_text.h"
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

// A precision read from the file may lie outside what the window offers; the text stays sane.
std::string decimal_text(double value, int precision) {
    return fixed_text(value, std::clamp(precision, 0, 15));
}

// The conversion errors that stop the applying, worded as everywhere else in the program.
std::optional<int> to_int(const std::string& text, Dialogs& dialogs) {
    std::optional<int> value = parse_int(text);
    if (!value) {
        dialogs.error("'" + text + "' is not a valid integer value");
    }
    return value;
}

std::optional<double> to_decimal(const std::string& text, Dialogs& dialogs) {
    std::optional<double> value = parse_decimal(text);
    if (!value) {
        dialogs.error("'" + text + "' is not a valid floating point value");
    }
    return value;
}

}  // namespace

std::string speed_choice_text(int choice) {
    return std::to_string(speed_bits_per_second(choice));
}

SettingsWindow::SettingsWindow(Settings& settings, Scales& w, Dialogs& dialogs, Host host)
    : settings_(settings), w_(w), dialogs_(dialogs), host_(std::move(host)) {}

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
        const weight_record& scale = w_[n];
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
    f.run_maximized = settings_.run_maximized;
    f.block_down_buttons = settings_.block_down_buttons;
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
    return decimal_text(*value, w_[scale].precision);
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

void SettingsWindow::apply(const SettingsForm& f) {
    // The port is reopened on every OK, also when neither value changed.
    settings_.port_num = f.port_choice;
    settings_.baud_rate = speed_bits_per_second(f.speed_choice);
    host_.reopen_port();

    settings_.admin_change_client = f.admin_change_client;
    settings_.admin_change_recipe = f.admin_change_recipe;
    settings_.enable_change_weightdoc = f.enable_change_weightdoc;
    settings_.run_maximized = f.run_maximized;

    const std::optional<int> next = to_int(f.weightdoc_next, dialogs_);
    if (!next) {
        return;
    }
    settings_.weightdoc_next = *next;
    settings_.weightdoc_format = f.weightdoc_format;
    settings_.wz_print_content = f.wz_print_content;

    for (int n = 1; n <= kScales; ++n) {
        const std::optional<int> max = to_int(f.max_weight[n], dialogs_);
        if (!max) {
            return;
        }
        w_[n].max_weight = *max;
    }
    for (int n = 1; n <= kScales; ++n) {
        const std::optional<double> min = to_decimal(f.min_weight[n], dialogs_);
        if (!min) {
            return;
        }
        w_[n].min_weight = *min;
    }
    for (int n = 1; n <= kScales; ++n) {
        const std::optional<double> sta = to_decimal(f.sta_weight[n], dialogs_);
        if (!sta) {
            return;
        }
        w_[n].sta_weight = *sta;
    }
    for (int n = 1; n <= kScales; ++n) {
        w_[n].weight_enabled = f.weight_enabled[n];
    }

    bool precision_changed = settings_.total_precision != f.total_precision;
    for (int n = 1; n <= kScales; ++n) {
        precision_changed = precision_changed || w_[n].precision != f.precision[n];
    }
    if (precision_changed) {
        settings_.total_precision = f.total_precision;
        for (int n = 1; n <= kScales; ++n) {
            w_[n].precision = f.precision[n];
        }
        host_.redraw_process();
    }

    // Hidden timings stay as they are, also when the file held more than a spin edit can show.
    if (f.timings_shown) {
        settings_.rs_timeout = f.rs_timeout;
        settings_.rs_delay = f.rs_delay;
        settings_.rs_delay_recipe = f.rs_delay_recipe;
    }
    settings_.block_down_buttons = f.block_down_buttons;
}

}  // namespace wazenie
