#include "storage/value_check.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(ValueCheck, FloatTakesAPointOrACommaAndRefusesLetters) {
    EXPECT_TRUE(value_accepted("12.5", "float"));
    EXPECT_TRUE(value_accepted("12,5", "float"));
    EXPECT_TRUE(value_accepted("-3", "float"));
    EXPECT_FALSE(value_accepted("abc", "float"));
    EXPECT_FALSE(value_accepted("12.5kg", "float"));
    EXPECT_FALSE(value_accepted("1.2.3", "float"));
    EXPECT_FALSE(value_accepted("", "float"));
}

TEST(ValueCheck, IntegerRefusesAFraction) {
    EXPECT_TRUE(value_accepted("3", "integer"));
    EXPECT_FALSE(value_accepted("3.5", "integer"));
    EXPECT_FALSE(value_accepted("3,0", "integer"));
    EXPECT_FALSE(value_accepted("99999999999", "integer"));
    EXPECT_FALSE(value_accepted("", "integer"));
}

TEST(ValueCheck, AnyOtherTypeTakesEveryText) {
    EXPECT_TRUE(value_accepted("", "string"));
    EXPECT_TRUE(value_accepted("B20 beton", "string"));
    EXPECT_TRUE(value_accepted("12,5", ""));
    EXPECT_EQ(kBadValueMessage, "Błędna wartość!");
}

}  // namespace
}  // namespace wazenie
