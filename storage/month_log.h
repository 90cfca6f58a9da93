#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/process_records.h"
#include "core/result.h"

namespace wazenie {

// The lines of the status file and of the month logs, tab-separated, their kind in column 0: a record
// is an "r" line, then per scale a "w" line, its "wm" lines each followed by their "wmc" lines, and
// its "wc" lines.

// The columns of each kind of line.
namespace process_field {
enum : std::size_t {
    kind,
    weight_doc,
    start_time,
    stop_time,
    curr_cycle,
    total_cycle,
    total_cycle_init,
    curr_weight,
    recipe_total_weight,
    recipe_name,
    recipe_client,
    user_name,
    count
};
}
namespace scale_field {
enum : std::size_t {
    kind,
    scale,
    curr_total_weight,
    recipe_total_weight_c1,
    recipe_total_weight_clast,
    recipe_total_weight,
    max_material,
    curr_status,
    curr_cycle,
    curr_cycle_status,
    curr_material,
    count
};
}
namespace material_field {
enum : std::size_t {
    kind,
    scale,
    material,
    material_name,
    curr_total_weight,
    recipe_weight_c1,
    recipe_weight_clast,
    recipe_total_weight,
    count
};
}
namespace dose_field {
enum : std::size_t { kind, scale, material, cycle, curr_weight, count };
}
namespace cycle_field {
enum : std::size_t { kind, scale, cycle, curr_weight, curr_cycle_weight, count };
}

// "r", "w", "wm", "wmc", "wc"; anything else is other.
enum class LogLineKind { process, scale, material, dose, cycle, other };

// A line split by its kind into as many fields as the kind has; a field the line lacks is empty, and
// so is every field of a line of another kind. The views point into the line.
class LogLine {
public:
    LogLineKind kind() const { return kind_; }
    std::string_view operator[](std::size_t column) const {
        return column < found_ ? std::string_view(fields_[column].begin, fields_[column].size)
                               : std::string_view();
    }

private:
    friend LogLine read_log_line(std::string_view line);
    struct Field {
        const char* begin;
        std::size_t size;
    };
    LogLineKind kind_ = LogLineKind::other;
    std::size_t found_ = 0;
    // Only the first found_ are set: clearing them all would cost more than splitting a short line.
    std::array<Field, process_field::count> fields_;
};
LogLine read_log_line(std::string_view line);
// The kind alone, for a reader that reads the columns itself; inline and by the characters, as it runs
// on every line of a year's logs.
inline LogLineKind log_line_kind(std::string_view line) {
    const auto tag_ends_at = [line](std::size_t size) {
        return line.size() == size || (line.size() > size && line[size] == '\t');
    };
    if (line.empty()) {
        return LogLineKind::other;
    }
    if (line[0] == 'r') {
        return tag_ends_at(1) ? LogLineKind::process : LogLineKind::other;
    }
    if (line[0] != 'w' || line.size() < 2) {
        return line == "w" ? LogLineKind::scale : LogLineKind::other;
    }
    switch (line[1]) {
        case '\t':
            return LogLineKind::scale;
        case 'c':
            return tag_ends_at(2) ? LogLineKind::cycle : LogLineKind::other;
        case 'm':
            if (tag_ends_at(2)) {
                return LogLineKind::material;
            }
            return line.size() > 2 && line[2] == 'c' && tag_ends_at(3) ? LogLineKind::dose
                                                                       : LogLineKind::other;
        default:
            return LogLineKind::other;
    }
}

// How an "r" line begins: the scans that want records only pass every other line over by it.
inline constexpr std::string_view kProcessLineStart = "r\t";

// data_dir / "yyyymm.txt": the log of the month of `now`, of the six digits given, or of the month key
// year * 100 + month.
std::filesystem::path month_log_path(const std::filesystem::path& data_dir, DateTime now);
std::filesystem::path month_log_path(const std::filesystem::path& data_dir, const std::string& yyyymm);
std::filesystem::path month_log_path(const std::filesystem::path& data_dir, int key);
// The "yyyymm" of a month log's file name; nothing for any other file.
std::optional<std::string> log_month(const std::filesystem::path& file);

// A record of a month log: its "r" line, split, and the lines after it up to the next record as the file
// holds them (Windows-1250, line ends kept: text_file::take_line takes them one by one). Their numbers
// read as they stand; a text of theirs that is shown goes through log_text.
struct LogRecord {
    std::string_view process_line;  // UTF-8, without its line end
    LogLine process;                // process_line split
    std::string_view body;
};
std::string log_text(std::string_view field);

// Every record of a month's log in file order, in one pass without keeping the file; the lines before
// the first record are passed over. The views last until `visit` returns, and false stops. For the
// readers of a year of logs, which convert only what they show. Errors as read_process_lines.
using RecordVisitor = std::function<bool(const LogRecord& record)>;
Status for_each_record(const std::filesystem::path& log_file, const RecordVisitor& visit);

// Every "r" line of a month's log, in file order, as written (UTF-8): one pass over the file, no
// other line kept. A missing file is an Error (what = "missing").
Result<std::vector<std::string>> read_process_lines(const std::filesystem::path& log_file);

}  // namespace wazenie
