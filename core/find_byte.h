#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace wazenie {

// The first byte `c` in [p, end), or end. Eight bytes at a time: the readers of a year's logs look for
// every tab and line end of millions of short fields, where a memchr call costs more than the search.
inline const char* find_byte(const char* p, const char* end, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = kOnes << 7;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
    // The word's first byte in memory is its lowest only on a little-endian machine.
    if constexpr (std::endian::native == std::endian::little) {
        for (; end - p >= 8; p += 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            const std::uint64_t x = word ^ pattern;
            // The lowest byte flagged is the first zero byte of x; flags above it may be false.
            const std::uint64_t zero = (x - kOnes) & ~x & kHighBits;
            if (zero != 0) {
                return p + std::countr_zero(zero) / 8;
            }
        }
    }
    while (p != end && *p != c) {
        ++p;
    }
    return p;
}

}  // namespace wazenie
