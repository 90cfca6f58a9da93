#include "core/number_text.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(RoundTo, HalvesGoAwayFromZeroOnTheDecimalDigits) {
    EXPECT_DOUBLE_EQ(round_to(2.25, 1), 2.3);  // the binary value is 2.25 exactly; printf gives 2.2
    EXPECT_DOUBLE_EQ(round_to(0.125, 2), 0.13);
    EXPECT_DOUBLE_EQ(round_to(2000.0 / 3, 1), 666.7);
    EXPECT_DOUBLE_EQ(round_to(466.67, 0), 467);
    EXPECT_DOUBLE_EQ(round_to(2.5, 0), 3);
    EXPECT_DOUBLE_EQ(round_to(-2.5, 0), -3);
    EXPECT_DOUBLE_EQ(round_to(1.005, 2), 1.0);  // its 18 digits are 1.00499999999999989
    EXPECT_DOUBLE_EQ(round_to(0.1 + 0.2, 1), 0.3);
    EXPECT_DOUBLE_EQ(round_to(9.96, 1), 10.0);
    EXPECT_DOUBLE_EQ(round_to(0.04, 1), 0.0);
    EXPECT_DOUBLE_EQ(round_to(0.06, 0), 0.0);
    EXPECT_DOUBLE_EQ(round_to(0.6, 0), 1.0);
}

TEST(RoundTo, KeepsAtMostEightSignificantDigits) {
    EXPECT_DOUBLE_EQ(round_to(12345678.9, 1), 12345679);
    EXPECT_DOUBLE_EQ(round_to(99999999.5, 1), 100000000);
    EXPECT_DOUBLE_EQ(round_to(1.23456789, 3), 1.235);
    EXPECT_DOUBLE_EQ(round_to(0, 3), 0);
}

TEST(RoundTo, AgreesWithTheDecimalDigitsEverywhere) {
    // round_to takes a short cut away from halves; the fixed text always goes by the digits.
    for (int d = 0; d <= 3; ++d) {
        for (int i = -20000; i <= 20000; ++i) {
            const double x = i * 0.0125 + i * i * 1e-7;
            ASSERT_EQ(round_to(x, d), parse_decimal(fixed_text(x, d))) << x << " to " << d;
        }
    }
}

TEST(RoundTowardZero, CutsTheDroppedDigits) {
    EXPECT_DOUBLE_EQ(round_toward_zero(0.5 / 9, 1), 0.0);
    EXPECT_DOUBLE_EQ(round_toward_zero(2.99, 1), 2.9);
    EXPECT_DOUBLE_EQ(round_toward_zero(-2.99, 1), -2.9);
    EXPECT_DOUBLE_EQ(round_toward_zero(0.9 / 3, 1), 0.3);  // 0.29999999999999998 is 0.3, not 0.2
}

TEST(FixedText, HasExactlyTheDecimalsAndNoNegativeZero) {
    EXPECT_EQ(fixed_text(12.5, 0), "13");
    EXPECT_EQ(fixed_text(-0.3, 1), "-0.3");
    EXPECT_EQ(fixed_text(-0.04, 1), "0.0");
    EXPECT_EQ(fixed_text(-0.05, 1), "-0.1");
    EXPECT_EQ(fixed_text(0, 2), "0.00");
    EXPECT_EQ(fixed_text(-0.0, 0), "0");
    EXPECT_EQ(fixed_text(1132, 0), "1132");
    EXPECT_EQ(fixed_text(0.5, 3), "0.500");
    EXPECT_EQ(fixed_text(2.25, 1), "2.3");
    EXPECT_EQ(fixed_text(999.95, 1), "1000.0");
    EXPECT_EQ(fixed_text(123456789.25, 1), "123456789.3");  // no cap on significant digits
    EXPECT_EQ(fixed_text(std::numeric_limits<double>::quiet_NaN(), 1), "0.0");
}

TEST(FixedText, SignedShowsPlusOnlyAboveZero) {
    EXPECT_EQ(signed_fixed_text(1.5, 1), "+1.5");
    EXPECT_EQ(signed_fixed_text(-0.3, 1), "-0.3");
    EXPECT_EQ(signed_fixed_text(0.04, 1), "0.0");
    EXPECT_EQ(signed_fixed_text(-0.04, 1), "0.0");
}

TEST(GeneralText, ShortestPlainForm) {
    EXPECT_EQ(general_text(1.5), "1.5");
    EXPECT_EQ(general_text(5), "5");
    EXPECT_EQ(general_text(0.1), "0.1");
    EXPECT_EQ(general_text(0.1 + 0.2), "0.3");
    EXPECT_EQ(general_text(0.00001), "0.00001");
    EXPECT_EQ(general_text(-2.75), "-2.75");
    EXPECT_EQ(general_text(123456789012.0), "123456789012");
    EXPECT_EQ(general_text(-0.0), "0");
    EXPECT_EQ(general_text(1.0 / 3), "0.333333333333333");
}

TEST(ParseDecimal, TakesPointOrCommaAndTheWholeText) {
    EXPECT_EQ(parse_decimal("1,5"), 1.5);
    EXPECT_EQ(parse_decimal("1.5"), 1.5);
    EXPECT_EQ(parse_decimal(" -3 "), -3.0);
    EXPECT_EQ(parse_decimal("0,125"), 0.125);
    EXPECT_FALSE(parse_decimal(""));
    EXPECT_FALSE(parse_decimal("   "));
    EXPECT_FALSE(parse_decimal("abc"));
    EXPECT_FALSE(parse_decimal("1,5kg"));
    EXPECT_FALSE(parse_decimal("1,5,5"));
    EXPECT_FALSE(parse_decimal("inf"));
    EXPECT_FALSE(parse_decimal("nan"));
    EXPECT_FALSE(parse_decimal("1e999"));
}

TEST(ParseInt, StrictThirtyTwoBits) {
    EXPECT_EQ(parse_int("42"), 42);
    EXPECT_EQ(parse_int("-7"), -7);
    EXPECT_EQ(parse_int(" 9600 "), 9600);
    EXPECT_EQ(parse_int("2147483647"), 2147483647);
    EXPECT_FALSE(parse_int("2147483648"));
    EXPECT_FALSE(parse_int("-2147483649"));
    EXPECT_FALSE(parse_int("1.0"));
    EXPECT_FALSE(parse_int("12a"));
    EXPECT_FALSE(parse_int(""));
}

}  // namespace
}  // namespace wazenie
