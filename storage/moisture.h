#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/process_records.h"
#include "core/result.h"
#include "storage/ini_document.h"
#include "storage/replaced_value.h"

namespace wazenie {

// Moisture of an aggregate in percent of its dry mass, as the operator (or a probe) last gave it.
struct MoistureEntry {
    std::string material;
    double percent = 0;
    DateTime set_at = 0;
    std::string set_by;

    bool operator==(const MoistureEntry&) const = default;
};

inline constexpr double kLargestMoisture = 20;
inline constexpr const char* kMoistureRangeMessage = "Wilgotność kruszywa musi być liczbą od 0 do 20 %.";
// A percent as typed, with a comma or a point; nothing outside 0..20.
std::optional<double> parse_moisture(std::string_view text);
// "4.5" with a point, as the files and the screen show it.
std::string moisture_text(double percent);

// The last moisture of each aggregate; names are compared trimmed and without regard to case.
class MoistureTable {
public:
    const MoistureEntry* find(std::string_view material) const;
    void set(MoistureEntry entry);
    const std::vector<MoistureEntry>& entries() const { return entries_; }

private:
    std::vector<MoistureEntry> entries_;
};

// data_dir / "wilgotnosc.txt": name, percent with a point, when set, by whom; tab-separated,
// Windows-1250, CR LF.
std::filesystem::path moisture_path(const std::filesystem::path& data_dir);

// A missing file holds nothing; a line that does not read is left out and named in `damaged`.
struct ReadMoisture {
    MoistureTable table;
    std::vector<std::string> damaged;
};
Result<ReadMoisture> read_moisture(const std::filesystem::path& file);
// Rewritten atomically through "wilgotnosc_tmp.txt" beside it.
Status save_moisture(const std::filesystem::path& file, const MoistureTable& table);

// konfig.ini [Wilgotnosc] waznosc_godz: hours after which a moisture counts as old (0: never).
inline constexpr const char* kMoistureSection = "Wilgotnosc";
inline constexpr int kDefaultMoistureValidHours = 8;
int read_moisture_valid_hours(const IniDocument& ini, std::vector<ReplacedValue>& replaced);
void store_moisture_valid_hours(IniDocument& ini, int hours);
bool moisture_is_old(const MoistureEntry& entry, DateTime now, int valid_hours);

}  // namespace wazenie
