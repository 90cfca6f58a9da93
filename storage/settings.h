#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/process_records.h"
#include "core/result.h"
#include "storage/correction_settings.h"
#include "storage/ini_document.h"
#include "storage/moisture.h"
#include "storage/replaced_value.h"

namespace wazenie {

// The configuration in memory; the per-scale values live in each weight_record.
struct Settings {
    int total_precision = 0;
    int port_num = 1;
    int baud_rate = 9600;
    int rs_timeout = 400;
    int rs_delay = 100;
    int rs_delay_recipe = 10;
    int log = 0;
    int weightdoc_next = 1;  // 0: the file's value did not read; no WZ number until it is corrected
    int wz_print_content = 1;
    bool run_maximized = false;
    bool block_down_buttons = false;
    bool admin_change_recipe = false;
    bool admin_change_client = false;
    std::string weightdoc_format = "WZ/%n%/%y%";
    bool enable_change_weightdoc = false;  // never stored
    // Read with the rest; saved only into a file that holds the section (store_correction_settings
    // adds it), so that a plant that never set it keeps none.
    CorrectionSettings correction;
    // [Wilgotnosc] waznosc_godz, kept the same way.
    int moisture_valid_hours = kDefaultMoistureValidHours;
    // [Dokument WZ] pn_en_206: the WZ states the concrete's description, volume, truck, site and w/c.
    // Saved only into a file that holds the key, or once the administrator changed it.
    bool wz_pn_en_206 = false;

    // The file as read, with every key this program does not know (the [Porty] section among them).
    IniDocument ini;
};

// "COM1".."COM16" as device paths: [Porty] COMn, else /dev/ttyS(n-1) on Linux and COMn on Windows.
std::string port_device(const Settings& settings, int port_num);
std::string port_name(int port_num);

inline constexpr const char* kWzSection = "Dokument WZ";
inline constexpr const char* kWzPnEn206Key = "pn_en_206";
void store_wz_pn_en_206(IniDocument& ini, bool on);

// data_dir / "konfig.ini".
std::filesystem::path settings_file_path(const std::filesystem::path& data_dir);

// A missing file reads as empty: every default. Returns the keys whose values were replaced.
std::vector<ReplacedValue> load_settings(const std::filesystem::path& file, Settings& settings, Scales& w);

// The operator's warning: a heading, then one "[section] key=value → przyjęto DEFAULT" line per key (or
// "→ pominięto do czasu poprawienia" for a key that is not used until corrected), "\r" between lines.
std::string replaced_values_text(const std::vector<ReplacedValue>& replaced);
// The file's lines as a save writes them: every key, unknown keys and comments kept.
IniDocument settings_document(const Settings& settings, const Scales& w);
// Writes every key (keeping unknown keys and comments) through a work file renamed over the target.
// The error's `where` is the file name for "Unable to write to %s".
Status save_settings(const std::filesystem::path& file, const Settings& settings, const Scales& w);

}  // namespace wazenie
