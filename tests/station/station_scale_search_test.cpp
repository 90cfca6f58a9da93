#include "station/scale_search.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

ProcessState four_scales_with_recipes() {
    ProcessState p;
    for (weight_record& w : p.w) {
        w.max_material = 2;
    }
    return p;
}

TEST(StationScaleSearch, NextScaleGoesRoundAndComesBackToItsStart) {
    ProcessState p = four_scales_with_recipes();
    p.w[2].weight_enabled = false;
    p.w[3].weight_enabled = false;
    EXPECT_EQ(next_scale(p, 0, ScaleCriterion::enabled), 1);
    EXPECT_EQ(next_scale(p, 1, ScaleCriterion::enabled), 4);
    EXPECT_EQ(next_scale(p, 4, ScaleCriterion::enabled), 1);
    p.w[1].weight_enabled = false;
    EXPECT_EQ(next_scale(p, 4, ScaleCriterion::enabled), 4);
    EXPECT_EQ(next_scale(p, 2, ScaleCriterion::enabled), 4);  // from a disabled scale
    p.w[4].weight_enabled = false;
    EXPECT_EQ(next_scale(p, 0, ScaleCriterion::enabled), 0);
    EXPECT_EQ(next_scale(p, 3, ScaleCriterion::enabled), 3);  // back round to `from`, qualified or not
}

TEST(StationScaleSearch, RecipeDueDiffersBetweenTheTwoSearches) {
    ProcessState p = four_scales_with_recipes();
    p.r.curr_cycle = 2;
    p.w[1].curr_cycle = 1;  // behind the system: only the first search takes it
    p.w[2].curr_cycle = 2;
    p.w[2].curr_cycle_status = cycle_status::STARTED;
    p.w[3].curr_cycle = 2;
    p.w[3].max_material = 0;
    p.w[4].curr_cycle = 2;
    EXPECT_EQ(first_scale(p, ScaleCriterion::recipe_due), 1);
    EXPECT_EQ(next_scale(p, 0, ScaleCriterion::recipe_due), 4);
    EXPECT_EQ(next_scale(p, 4, ScaleCriterion::recipe_due), 4);
    p.w[4].curr_cycle_status = cycle_status::COMPLETED;
    p.w[1].curr_cycle = 2;
    p.w[1].curr_cycle_status = cycle_status::OPEN_TRAY;
    EXPECT_EQ(first_scale(p, ScaleCriterion::recipe_due), 0);
    EXPECT_EQ(first_scale(p, ScaleCriterion::with_recipe), 1);
    p.w[1].weight_enabled = false;
    EXPECT_EQ(first_scale(p, ScaleCriterion::with_recipe), 2);
}

TEST(StationScaleSearch, CycleCompletedCountsOnlyEnabledScalesAtTheSystemCycle) {
    ProcessState p = four_scales_with_recipes();
    for (weight_record& w : p.w) {
        w.curr_cycle_status = cycle_status::COMPLETED;
    }
    EXPECT_TRUE(cycle_completed(p));
    p.w[3].curr_cycle_status = cycle_status::OPEN_TRAY;
    EXPECT_FALSE(cycle_completed(p));
    p.w[3].weight_enabled = false;
    EXPECT_TRUE(cycle_completed(p));
    p.w[2].curr_cycle = 2;  // a cycle ahead, just started
    p.w[2].curr_cycle_status = cycle_status::NOT_STARTED;
    EXPECT_TRUE(cycle_completed(p));
    for (weight_record& w : p.w) {
        w.curr_cycle = 2;
        w.curr_cycle_status = cycle_status::STARTED;
    }
    EXPECT_TRUE(cycle_completed(p));  // nobody at the system's cycle
}

}  // namespace
}  // namespace wazenie
