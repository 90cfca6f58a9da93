#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string_view>

#include "core/result.h"

namespace wazenie {

// Every process ("r") line of a month's log, in file order, as UTF-8 without its line end. The report
// reads a year of logs at a time, so the file is read in large blocks and only the process lines are
// converted; every other line is passed over unread. A missing file is an Error (what = "missing"),
// an unreadable one what = "read". `block` is the read size (lines may cross blocks).
inline constexpr std::size_t kScanBlock = std::size_t{1} << 18;
Status scan_process_lines(const std::filesystem::path& log_file,
                          const std::function<void(std::string_view line)>& on_line,
                          std::size_t block = kScanBlock);

}  // namespace wazenie
