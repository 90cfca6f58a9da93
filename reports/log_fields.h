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
// is reached by moving forward to it, never back. The loops run on a local pointer, which stays in a
// register where the cursor's own may not.
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
    // The fields from `first` through `last`, with the tabs between them.
    std::string_view fields(std::size_t first, std::size_t last) {
        to(first);
        const char* begin = pos_;
        to(last);
        pos_ = field_end(pos_);
        const std::string_view run(begin, static_cast<std::size_t>(pos_ - begin));
        next_field();
        return run;
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
    std::optional<double> mass(int& decimals) {
        const char* begin = pos_;
        PlainDecimal plain;
        if (plain_decimal(plain)) {
            next_field();
            decimals = plain.decimals;
            // Powers of ten up to 10^15 are exact, so this is the correctly rounded value of the text.
            const double value =
                static_cast<double>(plain.mantissa) / kPowersOfTen[static_cast<std::size_t>(plain.decimals)];
            return plain.negative ? -value : value;
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
        PlainDecimal plain;
        const bool read = plain_decimal(plain);
        next_field();
        if (!read || plain.decimals > 3) {
            return std::nullopt;
        }
        decimals = plain.decimals;
        const auto milli = plain.mantissa * kThousandths[static_cast<std::size_t>(plain.decimals)];
        return plain.negative ? -milli : milli;
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
    bool plain_decimal(PlainDecimal& d) {
        const char* p = pos_;
        d.negative = p != end_ && *p == '-';
        p += d.negative ? 1 : 0;
        const char* const first = p;
        const char* point = nullptr;
        // Unsigned, so that a run of digits too long to be plain wraps instead of overflowing.
        std::uint64_t mantissa = 0;
        for (;;) {
            while (p != end_ && is_digit(*p)) {
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p++ - '0');
            }
            if (point != nullptr || p == end_ || *p != '.') {
                break;
            }
            point = p++;
        }
        const auto digits = p - first - (point != nullptr ? 1 : 0);
        d.mantissa = static_cast<std::int64_t>(mantissa);
        d.decimals = point != nullptr ? static_cast<int>(p - point - 1) : 0;
        const bool plain = at_field_end(p) && digits > 0 && digits <= kMaxDigits;
        pos_ = field_end(p);
        return plain;
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
