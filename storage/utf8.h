#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wazenie::utf8 {

// Stands for a malformed sequence; callers turn it into "?".
inline constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes the code point at `pos` and moves `pos` past it (by one byte for a malformed sequence).
char32_t next(std::string_view text, std::size_t& pos);
void append(std::string& out, char32_t c);

}  // namespace wazenie::utf8
