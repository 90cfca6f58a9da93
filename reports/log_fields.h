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
// is reached by moving forward to it, never back.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view line) : pos_(line.data()), end_(line.data() + line.size()) {}

    std::string_view text() {
        const char* begin = pos_;
        to_field_end();
        const std::string_view field(begin, static_cast<std::size_t>(pos_ - begin));
        next_field();
        return field;
    }

    // Passes over the fields before `column`; nothing when the cursor is at it or past it.
    void to(std::size_t column) {
        while (column_ < column) {
            to_field_end();
            next_field();
        }
    }
    std::string_view text(std::size_t column) {
        to(column);
        return text();
    }
    std::optional<int> integer(std::size_t column) {
        to(column);
        return integer();
    }

    void skip(int fields) {
        for (int k = 0; k < fields; ++k) {
            to_field_end();
            next_field();
        }
    }

    // A decimal integer of up to nine digits with an optional minus sign; nothing for anything else.
    std::optional<int> integer() {
        const bool negative = pos_ != end_ && *pos_ == '-';
        pos_ += negative ? 1 : 0;
        const char* digits = pos_;
        int value = 0;
        while (pos_ != end_ && is_digit(*pos_) && pos_ - digits < 9) {
            value = value * 10 + (*pos_++ - '0');
        }
        const bool whole = pos_ != digits && at_field_end();
        to_field_end();
        next_field();
        return whole ? std::optional<int>(negative ? -value : value) : std::nullopt;
    }

    // A mass as the logs write it (a point; a comma too, as the process reader takes it); `decimals`
    // gets the number of its decimal places.
    std::optional<double> mass(int& decimals) {
        const char* begin = pos_;
        const auto plain = plain_decimal();
        if (plain) {
            next_field();
            decimals = plain->decimals;
            // Powers of ten up to 10^15 are exact, so this is the correctly rounded value of the text.
            const double value = static_cast<double>(plain->mantissa) /
                                 kPowersOfTen[static_cast<std::size_t>(plain->decimals)];
            return plain->negative ? -value : value;
        }
        const std::string_view field(begin, static_cast<std::size_t>(pos_ - begin));
        next_field();
        const auto mark = field.find_first_of(".,");
        decimals = mark == std::string_view::npos ? 0 : static_cast<int>(field.size() - mark - 1);
        return parse_decimal(field);
    }

    // The common case of mass() without floating point: a mass of at most three decimals, written with
    // a point, as the exact number of thousandths; nothing for any other text (which mass() reads).
    std::optional<std::int64_t> thousandths(int& decimals) {
        const auto plain = plain_decimal();
        next_field();
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

    // A field of digits with an optional minus sign and decimal point, at most kMaxDigits digits; the
    // cursor ends at the field's end either way.
    std::optional<PlainDecimal> plain_decimal() {
        PlainDecimal d;
        d.negative = pos_ != end_ && *pos_ == '-';
        pos_ += d.negative ? 1 : 0;
        int digits = 0;
        int point = -1;
        for (; pos_ != end_ && *pos_ != '\t'; ++pos_) {
            if (is_digit(*pos_)) {
                d.mantissa = digits < kMaxDigits ? d.mantissa * 10 + (*pos_ - '0') : d.mantissa;
                ++digits;
            } else if (*pos_ == '.' && point < 0) {
                point = digits;
            } else {
                break;
            }
        }
        const bool plain = at_field_end() && digits > 0 && digits <= kMaxDigits;
        to_field_end();
        d.decimals = point < 0 ? 0 : digits - point;
        return plain ? std::optional(d) : std::nullopt;
    }

    static bool is_digit(char c) { return c >= '0' && c <= '9'; }
    bool at_field_end() const { return pos_ == end_ || *pos_ == '\t'; }
    void to_field_end() {
        while (!at_field_end()) {
            ++pos_;
        }
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
