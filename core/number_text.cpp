#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <system_error>

#include "core/trim.h"

namespace wazenie {

namespace {

// A finite number as decimal digits: value = 0.digits x 10^point, with the sign apart. The digits are
// set to "0" with assign(1, '0'): GCC 12 at -O3 takes `digits = "0"` for an overlapping copy (-Wrestrict).
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// x written with `significant` digits in scientific form (locale-independent), split into digits and point.
Decimal decimal_of(double x, int significant) {
    Decimal d;
    if (x == 0 || !std::isfinite(x)) {
        d.digits.assign(1, '0');
        d.point = 1;
        return d;
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                      std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (c != '.') {
            d.digits += c;
        }
    }
    int exponent = 0;
    std::string_view exp_text = text.substr(e + 1);
    if (!exp_text.empty() && exp_text.front() == '+') {
        exp_text.remove_prefix(1);
    }
    std::from_chars(exp_text.data(), exp_text.data() + exp_text.size(), exponent);
    d.negative = x < 0;
    d.point = exponent + 1;
    return d;
}

// Keeps the first `keep` digits, rounding the half away from zero on the digit that follows
// (or cutting the rest off when `cut` is set).
void round_digits(Decimal& d, int keep, bool cut = false) {
    if (keep >= static_cast<int>(d.digits.size())) {
        return;
    }
    if (keep < 0) {
        d.digits.assign(1, '0');
        d.point = 1;
        return;
    }
    const bool up = !cut && d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    if (d.digits.find_first_not_of('0') == std::string::npos) {
        d.digits.assign(1, '0');
        d.point = 1;
        d.negative = false;
    }
}

// The digit at position i counted from the left of 0.digits x 10^point (0 outside the digits).
char digit_at(const Decimal& d, int i) {
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
}

// Plain text with exactly `places` decimals (0 = no point).
std::string plain_text(const Decimal& d, int places) {
    std::string out = d.negative ? "-" : "";
    if (d.point <= 0) {
        out += '0';
    } else {
        for (int i = 0; i < d.point; ++i) {
            out += digit_at(d, i);
        }
    }
    if (places > 0) {
        out += '.';
        for (int i = 0; i < places; ++i) {
            out += digit_at(d, d.point + i);
        }
    }
    return out;
}

// Rounded to d places as the decimal digits of x (18 significant) say, not as its binary value does.
// A cut is decided on 15 digits, the precision a double holds, so that 0.9 / 3 cuts to 0.3.
Decimal rounded(double x, int places, int max_significant, bool cut = false) {
    Decimal d = decimal_of(x, cut ? 15 : 18);
    round_digits(d, std::min(d.point + std::max(places, 0), max_significant), cut);
    return d;
}

double value_of(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Far from a half, the binary value and its 18 decimal digits round alike, so the digits need not be
// written out; the split rounds every material several times.
std::optional<double> round_far_from_half(double x, int d) {
    static constexpr double kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (d < 0 || d > 6) {
        return std::nullopt;
    }
    const double y = std::fabs(x) * kScale[d];
    if (!(y < 1e7)) {  // more than 8 digits: the cap applies
        return std::nullopt;
    }
    const double whole = std::floor(y);
    const double fraction = y - whole;
    if (std::fabs(fraction - 0.5) < 1e-6) {
        return std::nullopt;
    }
    const double k = whole + (fraction > 0.5 ? 1 : 0);
    // Dividing two exact integers rounds once, as reading the decimal text back would.
    const double r = k / kScale[d];
    return x < 0 && k != 0 ? -r : r;
}

}  // namespace

std::string general_text(double x) {
    // A value the program never meets (not finite) is written as 0 rather than as a word no reader takes.
    Decimal d = decimal_of(x, 15);
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    if (d.digits == "0") {
        return "0";
    }
    if (d.point > 21 || d.point < -20) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
        return std::string(buffer, result.ptr);
    }
    const int places = std::max(0, static_cast<int>(d.digits.size()) - d.point);
    return plain_text(d, places);
}

double round_to(double x, int d) {
    if (!std::isfinite(x)) {
        return x;
    }
    if (const auto fast = round_far_from_half(x, d)) {
        return *fast;
    }
    return value_of(plain_text(rounded(x, d, 8), std::max(d, 0)));
}

double round_toward_zero(double x, int d) {
    return std::isfinite(x) ? value_of(plain_text(rounded(x, d, 8, true), std::max(d, 0))) : x;
}

std::string fixed_text(double x, int d) {
    if (!std::isfinite(x)) {
        x = 0;
    }
    return plain_text(rounded(x, d, 18), std::max(d, 0));
}

std::string signed_fixed_text(double x, int d) {
    const std::string text = fixed_text(x, d);
    return text.front() != '-' && text.find_first_not_of("0.") != std::string::npos ? "+" + text : text;
}

std::optional<double> parse_decimal(std::string_view text) {
    text = trim(text);
    if (text.empty()) {
        return std::nullopt;
    }
    std::string with_point(text);
    std::replace(with_point.begin(), with_point.end(), ',', '.');
    double value = 0;
    const char* end = with_point.data() + with_point.size();
    const auto result = std::from_chars(with_point.data(), end, value, std::chars_format::general);
    if (result.ec != std::errc{} || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parse_int(std::string_view text) {
    text = trim(text);
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace wazenie
