#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wazenie {

// Shortest general form, up to 15 significant digits, point as separator: 1.5, 5, 0.1, 1E-5 never
// (plain digits for the values the program meets).
std::string general_text(double x);

// Rounding x to d places: fixed-point with at most 8 significant digits, halves away from zero
// decided on the decimal digits of x written to 18 significant digits (2.25 -> 2.3, 0.125 -> 0.13).
double round_to(double x, int d);

// As round_to, but the dropped digits are cut off (toward zero) instead of rounded.
double round_toward_zero(double x, int d);

// Fixed-point text with d decimals and a point, halves away from zero on the decimal digits,
// no cap on significant digits (12.5, 0 -> "13"; -0.3, 1 -> "-0.3").
std::string fixed_text(double x, int d);
// A deviation: fixed_text with "+" before a value that shows above zero ("+1.5", "-0.3", "0.0").
std::string signed_fixed_text(double x, int d);

// A decimal number with a point or a comma; the whole text must be the number (spaces around it
// allowed). Refuses inf, nan and empty text.
std::optional<double> parse_decimal(std::string_view text);

// A decimal integer with an optional minus sign that fits 32 bits.
std::optional<int> parse_int(std::string_view text);

}  // namespace wazenie
