#pragma once

#include <string>
#include <string_view>

namespace wazenie {

// The first n characters (UTF-8 code points) of a text: names cut to their stored or printed width.
std::string first_chars(std::string_view text, int n);

}  // namespace wazenie
