#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace wazenie {

// Bytes this user may still write on the disk that holds `dir`, as the system reports them;
// nothing when the disk cannot be asked (not found, not ready).
std::optional<std::int64_t> free_space(const std::filesystem::path& dir);

}  // namespace wazenie
