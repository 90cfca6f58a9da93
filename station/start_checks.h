#pragma once

#include <cstdint>
#include <optional>

#include "core/dialogs.h"

namespace wazenie {

inline constexpr std::int64_t kMinimumFreeBytes = 1000000;

// Tells the operator when the data disk is nearly full (below kMinimumFreeBytes, or a negative
// count) or when its free space could not be asked for (nothing); the start goes on either way.
void report_free_space(std::optional<std::int64_t> free_bytes, Dialogs& dialogs);

}  // namespace wazenie
