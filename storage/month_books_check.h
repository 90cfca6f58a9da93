#pragma once

#include <filesystem>
#include <string>

#include "storage/book_report.h"

namespace wazenie {

// The month's chain data_dir/yyyymm.sha and its two books checked against it: a link of the chain that
// does not hold, and every unit of a book changed, removed, inserted or moved since it was signed, or
// lines added to it, are named by file and line. A book of a month without a chain, or with no entry of
// its own, is "bez podpisu", which is no finding. Each book is streamed, units kept as their hashes.
BookReport check_month_books(const std::filesystem::path& data_dir, const std::string& yyyymm);

bool month_has_chain(const std::filesystem::path& data_dir, const std::string& yyyymm);

}  // namespace wazenie
