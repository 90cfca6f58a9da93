#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/number_text.h"

namespace wazenie {

// Reads the fields of a log line from the left without copying, each character once, for the lines
// that come by the million. Past the line's end every field is empty. A column (storage/month_log.h)
// is reached by moving forward to it, never back. The loops run on a local pointer: stores through
// `this` could alias the characters, which would keep the position in memory.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view line) : pos_(line.data()), end_(line.data() + line.size()) {}

    std::string_view text() {
        const char* begin = pos_;
        pos_ = field_end(begin);
        const std::string_view field(begin, static_cast<std::size_t>(pos_ - begin));
        next_field();
        return field;
    }

    // Passes over the fields before `column`; nothing when the cursor is at it or past it.
    void to(std::size_t column) {
        const char* p = pos_;
        for (; column_ < column; ++column_) {
            p = field_end(p);
            p += p != end_ ? 1 : 0;
        }
        pos_ = p;
    }
    std::string_view text(std::size_t column) {
        to(column);
        return text();
    }
    std::optional<int> integer(std::size_t column) {
        to(column);
        return integer();
    }

    // A decimal integer of up to nine digits with an optional minus sign; nothing for anything else.
    std::optional<int> integer() {
        const char* p = pos_;
        // Most are a scale, a material or a cycle: one digit.
        if (p != end_ && is_digit(*p) && (p + 1 == end_ || p[1] == '\t')) {
            pos_ = p + 1;
            next_field();
            return *p - '0';
        }
        const bool negative = p != end_ && *p == '-';
        p += negative ? 1 : 0;
        const char* const digits = p;
        int value = 0;
        while (p != end_ && is_digit(*p) && p - digits < 9) {
            value = value * 10 + (*p++ - '0');
        }
        const bool whole = p != digits && at_field_end(p);
        pos_ = field_end(p);
        next_field();
        return whole ? std::optional<int>(negative ? -value : value) : std::nullopt;
    }

    // A mass as the logs write it (a point; a comma too, as the process reader takes it); `decimals`
    // gets the number of its decimal places.
    static std::optional<double> mass_of(std::string_view field, int& decimals) {
        if (const auto plain = plain_decimal(field)) {
            decimals = plain->decimals;
            // Powers of ten up to 10^15 are exact, so this is the correctly rounded value of the text.
            const double value = static_cast<double>(plain->mantissa) /
                                 kPowersOfTen[static_cast<std::size_t>(plain->decimals)];
            return plain->negative ? -value : value;
        }
        const auto mark = field.find_first_of(".,");
        decimals = mark == std::string_view::npos ? 0 : static_cast<int>(field.size() - mark - 1);
        return parse_decimal(field);
    }
    // The common case of mass_of() without floating point: a mass of at most three decimals, written
    // with a point, as the exact number of thousandths; nothing for any other text (which mass_of()
    // reads).
    static std::optional<std::int64_t> thousandths_of(std::string_view field, int& decimals) {
        const auto plain = plain_decimal(field);
        if (!plain || plain->decimals > 3) {
            return std::nullopt;
        }
        decimals = plain->decimals;
        const auto milli = plain->mantissa * kThousandths[static_cast<std::size_t>(plain->decimals)];
        return plain->negative ? -milli : milli;
    }

private:
    static constexpr int kMaxDigits = 15;
    static constexpr std::array<double, kMaxDigits + 1> kPowersOfTen = {
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    static constexpr std::array<std::int64_t, 4> kThousandths = {1000, 100, 10, 1};

    struct PlainDecimal {
        bool negative = false;
        std::int64_t mantissa = 0;
        int decimals = 0;
    };

    // Digits with an optional minus sign and decimal point, at most kMaxDigits digits.
    static std::optional<PlainDecimal> plain_decimal(std::string_view field) {
        const char* p = field.data();
        const char* const end = p + field.size();
        PlainDecimal d;
        d.negative = p != end && *p == '-';
        p += d.negative ? 1 : 0;
        // Unsigned, so that a run of digits too long to be plain wraps instead of overflowing.
        std::uint64_t mantissa = 0;
        int digits = 0;
        int point = -1;
        for (; p != end; ++p) {
            const auto digit = static_cast<unsigned>(static_cast<unsigned char>(*p)) - '0';
            if (digit <= 9) {
                mantissa = mantissa * 10 + digit;
                ++digits;
            } else if (*p == '.' && point < 0) {
                point = digits;
            } else {
                return std::nullopt;
            }
        }
        if (digits == 0 || digits > kMaxDigits) {
            return std::nullopt;
        }
        d.mantissa = static_cast<std::int64_t>(mantissa);
        d.decimals = point < 0 ? 0 : digits - point;
        return d;
    }

    static bool is_digit(char c) { return c >= '0' && c <= '9'; }
    bool at_field_end(const char* p) const { return p == end_ || *p == '\t'; }
    const char* field_end(const char* p) const {
        while (!at_field_end(p)) {
            ++p;
        }
        return p;
    }
    void next_field() {
        pos_ += pos_ != end_ ? 1 : 0;
        ++column_;
    }

    const char* pos_;
    const char* end_;
    std::size_t column_ = 0;
};

}  // namespace wazenie
