#pragma once

#include <filesystem>

#include "storage/book_report.h"

namespace wazenie {

// data_dir/dziennik_zmian.txt, the trail of changes made to the data, every line of it chained: every line
// whose link does not hold is named; a missing trail holds nothing to check and gives no line.
BookReport check_audit_trail(const std::filesystem::path& data_dir);

}  // namespace wazenie
