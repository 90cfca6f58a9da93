#include "storage/text_prefix.h"

#include <cstddef>

#include "storage/utf8.h"

namespace wazenie {

std::string first_chars(std::string_view text, int n) {
    std::size_t pos = 0;
    for (int i = 0; i < n && pos < text.size(); ++i) {
        utf8::next(text, pos);
    }
    return std::string(text.substr(0, pos));
}

}  // namespace wazenie
