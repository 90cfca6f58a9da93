#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace wazenie {

// Scales, materials and cycles are numbered from 1; this array is indexed the same way and refuses
// any other index, so a number read from a file or a frame can never reach past the end.
template <typename T, int N>
class IndexedArray {
public:
    static constexpr int first = 1;
    static constexpr int last = N;

    T& operator[](int i) { return items_[slot(i)]; }
    const T& operator[](int i) const { return items_[slot(i)]; }

    static constexpr bool in_range(int i) { return i >= first && i <= last; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const IndexedArray&) const = default;

private:
    static std::size_t slot(int i) {
        if (!in_range(i)) {
            throw std::out_of_range("index " + std::to_string(i) + " outside 1.." + std::to_string(N));
        }
        return static_cast<std::size_t>(i - 1);
    }

    std::array<T, N> items_{};
};

}  // namespace wazenie
