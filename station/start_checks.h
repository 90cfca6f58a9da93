#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/clock.h"
#include "core/dialogs.h"

namespace wazenie {

inline constexpr std::int64_t kMinimumFreeBytes = 1000000;

// Tells the operator when the data disk is nearly full (below kMinimumFreeBytes, or a negative
// count) or when its free space could not be asked for (nothing); the start goes on either way.
void report_free_space(std::optional<std::int64_t> free_bytes, Dialogs& dialogs);

// Tells the operator, in one warning box, when the books of the month of `now` do not agree with the
// month's chain; nothing when they do or the month has no chain.
void report_month_books(const std::filesystem::path& data_dir, DateTime now, Dialogs& dialogs);

}  // namespace wazenie
