#include "core/find_byte.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace wazenie {
namespace {

// Every length around the eight-byte steps, the byte at every place among bytes one bit away from it
// (which the word test must not take for it), and once more after it.
TEST(FindByteTest, FindsTheFirstOccurrenceAsAPlainSearchDoes) {
    for (const char wanted : {'\t', '\n', '\0', '\x89'}) {
        for (std::size_t length = 0; length <= 19; ++length) {
            for (std::size_t at = 0; at <= length; ++at) {
                std::string text;
                for (std::size_t i = 0; i < length; ++i) {
                    text += static_cast<char>(wanted ^ (i % 2 == 0 ? 0x01 : 0x80));
                }
                if (at < length) {
                    text[at] = wanted;
                    text.back() = wanted;
                }
                const char* begin = text.data();
                const char* end = begin + text.size();
                EXPECT_EQ(find_byte(begin, end, wanted), std::find(begin, end, wanted))
                    << int(wanted) << " " << length << " " << at;
            }
        }
    }
}

}  // namespace
}  // namespace wazenie
