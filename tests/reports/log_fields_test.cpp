#include "reports/log_fields.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(LogFieldsTest, CursorReadsEachFieldAndStaysInStepAfterABadOne) {
    FieldCursor f("wmc\t-12\tx7\t1234567890\t\t5");
    EXPECT_EQ(f.text(), "wmc");
    EXPECT_EQ(f.integer(), -12);
    EXPECT_EQ(f.integer(), std::nullopt);
    EXPECT_EQ(f.integer(), std::nullopt);  // ten digits
    EXPECT_EQ(f.integer(), std::nullopt);  // empty
    EXPECT_EQ(f.integer(), 5);
    EXPECT_EQ(f.integer(), std::nullopt);  // past the end
    EXPECT_EQ(f.text(), "");
}

TEST(LogFieldsTest, AColumnIsReachedByPassingOverTheFieldsBeforeIt) {
    FieldCursor f("w\t1\tx\t\t7");
    EXPECT_EQ(f.integer(1), 1);
    EXPECT_EQ(f.integer(4), 7);
    EXPECT_EQ(f.text(6), "");
}

TEST(LogFieldsTest, ARunOfFieldsKeepsTheTabsBetweenThem) {
    FieldCursor f("wm\t1\t2\tX\t0\t100.5\t0.0\t9");
    EXPECT_EQ(f.fields(5, 6), "100.5\t0.0");
    EXPECT_EQ(f.integer(), 9);
    EXPECT_EQ(FieldCursor("wm\t1\t2").fields(5, 6), "");
}

TEST(LogFieldsTest, MassesReadAsTheFullParserReadsThemWithTheirDecimals) {
    FieldCursor f("0.1\t-0.3\t12,50\t1234.567\t7\tabc\t1.2.3\t12345678901234567\t9");
    int decimals = -1;
    EXPECT_EQ(f.mass(decimals), 0.1);
    EXPECT_EQ(decimals, 1);
    EXPECT_EQ(f.mass(decimals), -0.3);
    EXPECT_EQ(f.mass(decimals), 12.5);
    EXPECT_EQ(decimals, 2);
    EXPECT_EQ(f.mass(decimals), 1234.567);
    EXPECT_EQ(decimals, 3);
    EXPECT_EQ(f.mass(decimals), 7);
    EXPECT_EQ(decimals, 0);
    EXPECT_EQ(f.mass(decimals), std::nullopt);
    EXPECT_EQ(f.mass(decimals), std::nullopt);
    EXPECT_EQ(f.mass(decimals), parse_decimal("12345678901234567"));
    EXPECT_EQ(f.mass(decimals), 9);
}

TEST(LogFieldsTest, ThousandthsAreExactUpToThreeDecimalsAndLeaveOtherFormsToMass) {
    FieldCursor f("12.5\t-0.3\t1234.567\t7\t1.2340\t12,50\t-\t9");
    const std::optional<std::int64_t> expected[] = {12500,        -300,         1234567,      7000,
                                                    std::nullopt, std::nullopt, std::nullopt, 9000};
    for (const auto& milli : expected) {
        int decimals = -1;
        EXPECT_EQ(f.thousandths(decimals), milli);
    }
    int decimals = -1;
    FieldCursor("0.25").thousandths(decimals);
    EXPECT_EQ(decimals, 2);
}

}  // namespace
}  // namespace wazenie
