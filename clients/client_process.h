#pragma once

#include <filesystem>
#include <string>

#include "core/process_records.h"
#include "core/result.h"

namespace wazenie {

// load_process, and on success the client's full name, address and NIP from the client file by
// the record's short name (empty when the client is no longer there): what the WZ document prints.
Status load_process_with_client(ProcessState& p, const std::filesystem::path& data_dir,
                                const std::string& month, const std::string& weight_doc = {},
                                const std::string& start_time = {});

}  // namespace wazenie
