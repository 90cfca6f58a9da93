#include "storage/moisture.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "core/trim.h"
#include "storage/date_time.h"
#include "storage/text_file.h"
#include "storage/text_helpers.h"

namespace wazenie {

namespace {

constexpr const char* kValidHoursKey = "waznosc_godz";
constexpr int kFields = 4;

std::optional<MoistureEntry> entry_of(const std::string& line) {
    if (std::count(line.begin(), line.end(), '\t') != kFields - 1) {
        return std::nullopt;
    }
    MoistureEntry e;
    e.material = std::string(trim(tab_field(line, 0)));
    const auto percent = parse_moisture(tab_field(line, 1));
    const auto time = parse_date_time(tab_field(line, 2));
    if (e.material.empty() || !percent || !time) {
        return std::nullopt;
    }
    e.percent = *percent;
    e.set_at = *time;
    e.set_by = tab_field(line, 3);
    return e;
}

}  // namespace

std::optional<double> parse_moisture(std::string_view text) {
    const auto value = parse_decimal(trim(text));
    if (!value || !std::isfinite(*value) || *value < 0 || *value > kLargestMoisture) {
        return std::nullopt;
    }
    return value;
}

std::string moisture_text(double percent) {
    return general_text(round_to(percent, 2));
}

const MoistureEntry* MoistureTable::find(std::string_view material) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const MoistureEntry& e) {
        return same_material_name(e.material, material);
    });
    return it == entries_.end() ? nullptr : &*it;
}

void MoistureTable::set(MoistureEntry entry) {
    entry.material = std::string(trim(entry.material));
    std::erase_if(entries_,
                  [&](const MoistureEntry& e) { return same_material_name(e.material, entry.material); });
    entries_.push_back(std::move(entry));
}

std::filesystem::path moisture_path(const std::filesystem::path& data_dir) {
    return data_dir / "wilgotnosc.txt";
}

Result<ReadMoisture> read_moisture(const std::filesystem::path& file) {
    ReadMoisture out;
    const Status read = text_file::read_data_lines(file, out.damaged, [&](const std::string& line) {
        auto entry = entry_of(line);
        if (entry) {
            out.table.set(std::move(*entry));
        }
        return entry.has_value();
    });
    if (!read) {
        return read.error();
    }
    return out;
}

Status save_moisture(const std::filesystem::path& file, const MoistureTable& table) {
    std::vector<std::string> lines;
    for (const MoistureEntry& e : table.entries()) {
        lines.push_back(clean_field(e.material) + '\t' + moisture_text(e.percent) + '\t' +
                        file_date_time(e.set_at) + '\t' + clean_field(e.set_by));
    }
    return text_file::replace_atomically(file, file.parent_path() / "wilgotnosc_tmp.txt", lines);
}

int read_moisture_valid_hours(const IniDocument& ini, std::vector<ReplacedValue>& replaced) {
    const auto text = ini.value(kMoistureSection, kValidHoursKey);
    if (!text) {
        return kDefaultMoistureValidHours;
    }
    const auto hours = parse_int(*text);
    if (!hours || *hours < 0) {
        replaced.push_back(
            {kMoistureSection, kValidHoursKey, *text, std::to_string(kDefaultMoistureValidHours)});
        return kDefaultMoistureValidHours;
    }
    return *hours;
}

void store_moisture_valid_hours(IniDocument& ini, int hours) {
    ini.set(kMoistureSection, kValidHoursKey, std::to_string(hours));
}

bool moisture_is_old(const MoistureEntry& entry, DateTime now, int valid_hours) {
    return valid_hours > 0 && (now - entry.set_at) * 24.0 > valid_hours;
}

}  // namespace wazenie
