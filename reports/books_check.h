#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "storage/book_report.h"

namespace wazenie {

// The audit trail and every month of from..to (month keys year * 100 + month, both included) checked
// against their chains, month by month.
BookReport check_books(const std::filesystem::path& data_dir, int from, int to);

}  // namespace wazenie
