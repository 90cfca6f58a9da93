#pragma once

#include <string>
#include <string_view>

namespace wazenie {

// Windows-1250 <-> UTF-8. A character that Windows-1250 lacks (or a malformed UTF-8 sequence)
// becomes "?"; the bytes 0x81, 0x83, 0x88, 0x90, 0x98, which the code page leaves undefined,
// read as U+0081 etc.
std::string cp1250_to_utf8(std::string_view bytes);
std::string utf8_to_cp1250(std::string_view text);

}  // namespace wazenie
