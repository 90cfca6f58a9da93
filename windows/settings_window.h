#pragma once

#include <optional>
#include <string>

#include "core/dialogs.h"
#include "core/indexed_array.h"
#include "core/process_records.h"
#include "station/station.h"

namespace wazenie {

// What the settings window's controls hold, as plain values. Choices count from 1; the texts are
// the edit fields exactly as typed.
struct SettingsForm {
    int port_choice = 1;   // COM1..COM16
    int speed_choice = 1;  // the first eight line speeds
    bool timings_shown = false;
    int rs_timeout = 0;
    int rs_delay = 0;
    int rs_delay_recipe = 0;  // the three timings are taken back only while shown

    bool admin_change_client = false;
    bool admin_change_recipe = false;

    int total_precision = 0;
    IndexedArray<int, kScales> precision{};
    IndexedArray<std::string, kScales> max_weight;
    IndexedArray<bool, kScales> weight_enabled{};
    IndexedArray<std::string, kScales> min_weight;
    IndexedArray<std::string, kScales> sta_weight;

    std::string weightdoc_next;
    std::string weightdoc_format;
    bool enable_change_weightdoc = false;
    int wz_print_content = 0;  // 0..3
    bool wz_pn_en_206 = false;
    bool run_maximized = false;
    bool block_down_buttons = false;

    bool correction_enabled = false;
    bool correction_make_up = false;
    std::string correction_weight;
    std::string correction_percent;
};

// The texts of the speed choices ("110" .. "14400").
std::string speed_choice_text(int choice);
inline constexpr int kPortChoices = 16;

// What the settings window does, without the window: the values it opens with, the checks as a
// field is left, the help texts and the applying on OK, which the station carries out.
class SettingsWindow {
public:
    SettingsWindow(Station& station, Dialogs& dialogs);

    // The controls' values each time the window opens; `port_speed` is the speed the port runs at
    // now, which differs from baud_rate when the file held a speed the port does not know.
    SettingsForm open(int port_speed) const;

    // Leaving a field: the text it holds from now on, or nothing when the check refused it (the
    // message is shown and the focus goes back to the field).
    std::optional<std::string> leave_max_weight(const std::string& text);
    std::optional<std::string> leave_decimal(int scale, const std::string& text);
    std::optional<std::string> leave_weightdoc_next(const std::string& text);
    std::optional<std::string> leave_correction_weight(const std::string& text);
    std::optional<std::string> leave_correction_percent(const std::string& text);
    // A "Waga N:" box was clicked: false (with the message) when the click left all four off; the
    // view then checks the clicked box again.
    bool weight_enabled_clicked(const IndexedArray<bool, kScales>& boxes);

    void show_format_help();
    void show_archive_help();

    // OK: copies the form back in a fixed order, the port reopened first (also when neither value
    // changed). A field that cannot be converted stops the applying at its step with the conversion
    // error; the steps before it stay applied. The in-flight correction's four values come last and
    // go into konfig.ini's document only when one of them changed, so that a plant that never
    // touches them keeps a file without the section.
    void apply(const SettingsForm& form);

private:
    void apply_form(const SettingsForm& form);

    Station& station_;
    Settings& settings_;
    Dialogs& dialogs_;
};

}  // namespace wazenie
