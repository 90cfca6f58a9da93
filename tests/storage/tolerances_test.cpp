#include "storage/tolerances.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

IniDocument ini(std::vector<std::string> lines) {
    return IniDocument::parse(lines);
}

TEST(Tolerances, DefaultThenSingleMaterialsByNameWithoutRegardToCase) {
    EXPECT_DOUBLE_EQ(Tolerances{}.percent_for("Cement"), 3.0);

    const auto t = Tolerances::from(ini({"[Porty]", "plastyfikator=9", "[Tolerancje]", "domyslna=2,5",
                                         " Plastyfikator  = 5", "Woda=x", "Żwir=-1", "ŻWIR 2/8=4"}));
    EXPECT_DOUBLE_EQ(t.default_percent(), 2.5);
    EXPECT_DOUBLE_EQ(t.percent_for("PLASTYFIKATOR "), 5.0);
    EXPECT_DOUBLE_EQ(t.percent_for("żwir 2/8"), 4.0);
    // Unreadable or negative values leave the default.
    EXPECT_DOUBLE_EQ(t.percent_for("Woda"), 2.5);
    EXPECT_DOUBLE_EQ(t.percent_for("Żwir"), 2.5);
}

TEST(Tolerances, DeviationAtTheLimitIsInsideAndATargetOfZeroIsNotJudged) {
    const auto at_limit = dose_deviation(187.5, 193.125, 3.0);
    EXPECT_DOUBLE_EQ(at_limit.kg, 5.625);
    EXPECT_NEAR(*at_limit.percent, 3.0, 1e-12);
    EXPECT_FALSE(at_limit.outside);
    EXPECT_TRUE(dose_deviation(100, 96.9, 3.0).outside);

    const auto zero = dose_deviation(0, 1.5, 3.0);
    EXPECT_DOUBLE_EQ(zero.kg, 1.5);
    EXPECT_FALSE(zero.percent);
    EXPECT_FALSE(zero.outside);
}

}  // namespace
}  // namespace wazenie
