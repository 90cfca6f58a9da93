#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/result.h"
#include "reports/production_analysis.h"

namespace wazenie {

// A month's log read into what the production analysis sums: what each record's lines tell by
// themselves. What hangs on the records before it (which processes the query holds, the order of
// the material names, the sums) is left to the analysis, which takes the months in order; so the
// months can be read on threads of their own.

// A dose line of a material that read, in a scale that read: it counts for the masses' precision;
// what it put into the mixer when it had begun; and as a dose when it is finished.
struct ReadDose {
    enum class State : std::uint8_t { precision_only, begun, finished };
    std::uint32_t name = 0;  // index into ReadMonth::names
    std::uint8_t scale = 0;
    std::uint8_t cycle = 0;
    std::uint8_t decimals = 0;
    State state = State::precision_only;
    MassMilli target;  // finished only
    MassMilli dosed;
};

// Where a record's parts end in its month's lists: its "r" line in ReadMonth::process_lines, its
// material names (one for each material line that read) in ReadMonth::material_names, its doses in
// ReadMonth::doses.
struct ReadRecord {
    std::size_t process_line_end = 0;
    std::size_t materials_end = 0;
    std::size_t doses_end = 0;
    bool total_cycle_read = false;
};

struct ReadMonth {
    Status read;
    std::vector<ReadRecord> records;
    std::string process_lines;                  // UTF-8, one after another
    std::vector<std::uint32_t> material_names;  // as `names` indexes them
    std::vector<ReadDose> doses;
    // The names as logged (Windows-1250), trimmed, each once.
    std::vector<std::string> names;
};

// `room` is a month read before, whose lists are filled again: a month's lists are written to memory
// already in use.
ReadMonth read_month(const std::filesystem::path& log_file, ReadMonth room = {});

// Names by their bytes, each numbered in the order first met.
class NameNumbers {
public:
    // The name's number, and whether it is new.
    std::pair<std::uint32_t, bool> number(std::string_view name) {
        if (const auto it = numbers_.find(name); it != numbers_.end()) {
            return {it->second, false};
        }
        const auto number = static_cast<std::uint32_t>(numbers_.size());
        numbers_.emplace(name, number);
        return {number, true};
    }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> numbers_;
};

}  // namespace wazenie
