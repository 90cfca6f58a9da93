#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/result.h"

namespace wazenie {

// Where a logged process is: its month's log ("yyyymm") and its start as written.
struct RecordPlace {
    std::string month;
    std::string start_time;
};

// The latest record of this WZ number in the month logs of data_dir: the last one in the newest log that
// holds it. Nothing when no log has it; an Error (the message to show) when a log cannot be read.
Result<std::optional<RecordPlace>> find_latest_record(const std::filesystem::path& data_dir,
                                                      const std::string& weight_doc);

}  // namespace wazenie
