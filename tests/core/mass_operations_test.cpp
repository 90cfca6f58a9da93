#include "core/mass_operations.h"

#include <string>

#include <gtest/gtest.h>

namespace wazenie {
namespace {

void add_material(weight_record& w, const std::string& name, double mass) {
    ++w.max_material;
    w.m[w.max_material].material_name = name;
    w.m[w.max_material].recipe_total_weight = mass;
}

void set_scale(ProcessState& p, int n, int precision, int max_weight) {
    p.w[n].precision = precision;
    p.w[n].max_weight = max_weight;
}

// Cement on scale 1, sand and gravel on scale 2, water on scale 3, scaled from 2150 to 4300 kg.
ProcessState concrete_recipe() {
    ProcessState p;
    set_scale(p, 1, 1, 500);
    set_scale(p, 2, 0, 1500);
    set_scale(p, 3, 1, 200);
    set_scale(p, 4, 1, 200);
    add_material(p.w[1], "cement", 300);
    add_material(p.w[2], "piasek", 700);
    add_material(p.w[2], "żwir", 1000);
    add_material(p.w[3], "woda", 150);
    p.r.recipe_total_weight = 4300;
    return p;
}

TEST(SplitIntoCycles, ScalesTheRecipeAndSplitsItOverTheLargestNeed) {
    ProcessState p = concrete_recipe();
    ASSERT_EQ(split_into_cycles(p), 3);

    EXPECT_DOUBLE_EQ(p.r.recipe_total_weight, 4300);
    EXPECT_DOUBLE_EQ(p.w[1].recipe_total_weight, 600);
    EXPECT_DOUBLE_EQ(p.w[2].recipe_total_weight, 3400);
    EXPECT_DOUBLE_EQ(p.w[3].recipe_total_weight, 300);
    EXPECT_DOUBLE_EQ(p.w[4].recipe_total_weight, 0);

    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, 200);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_clast, 0);
    EXPECT_DOUBLE_EQ(p.w[2].m[1].recipe_weight_c1, 467);
    EXPECT_DOUBLE_EQ(p.w[2].m[1].recipe_weight_clast, -1);
    EXPECT_DOUBLE_EQ(p.w[2].m[2].recipe_weight_c1, 667);
    EXPECT_DOUBLE_EQ(p.w[2].m[2].recipe_weight_clast, -1);
    EXPECT_DOUBLE_EQ(p.w[3].m[1].recipe_weight_c1, 100);
    EXPECT_DOUBLE_EQ(p.w[2].recipe_total_weight_c1, 1134);
    EXPECT_DOUBLE_EQ(p.w[2].recipe_total_weight_clast, -2);
    EXPECT_DOUBLE_EQ(cycle_mass(p.w[2].recipe_total_weight_c1, p.w[2].recipe_total_weight_clast, 3, 3), 1132);
}

TEST(SplitIntoCycles, RunningTheSplitAgainStartsTheScaleSumsFromZero) {
    ProcessState p = concrete_recipe();
    split_into_cycles(p);
    const double c1 = p.w[2].recipe_total_weight_c1;
    split_into_cycles(p);  // the materials now hold the scaled masses; same total, f = 1
    EXPECT_DOUBLE_EQ(p.w[2].recipe_total_weight_c1, c1);
    EXPECT_DOUBLE_EQ(p.r.recipe_total_weight, 4300);
}

struct OneScale {
    double total;
    int expected_cycles;
    double c1;
    double clast;
};

class OneScaleSplit : public ::testing::TestWithParam<OneScale> {};

TEST_P(OneScaleSplit, ShareOfExactlyKTimesTheLimitNeedsKPlusOneCycles) {
    const OneScale& c = GetParam();
    ProcessState p;
    set_scale(p, 1, 1, 1000);
    add_material(p.w[1], "cement", 100);
    p.r.recipe_total_weight = c.total;
    EXPECT_EQ(split_into_cycles(p), c.expected_cycles);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, c.c1);
    EXPECT_NEAR(p.w[1].m[1].recipe_weight_clast, c.clast, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Totals, OneScaleSplit,
                         ::testing::Values(OneScale{2000, 3, 666.7, -0.1}, OneScale{999, 1, 999, 0},
                                           OneScale{1000, 2, 500, 0}, OneScale{11500, 12, 958.3, 0.4}));

TEST(SplitIntoCycles, ReturnsTheCyclesNeededEvenAboveNine) {
    ProcessState p;
    set_scale(p, 2, 0, 100);
    add_material(p.w[2], "piasek", 1);
    p.r.recipe_total_weight = 1150;
    EXPECT_EQ(split_into_cycles(p), 12);
    EXPECT_DOUBLE_EQ(p.w[2].m[1].recipe_weight_c1, 96);
}

TEST(SplitIntoCycles, ADisabledScaleStillRaisesTheNumberOfCycles) {
    ProcessState p;
    set_scale(p, 1, 0, 1000);
    set_scale(p, 4, 0, 100);
    p.w[4].weight_enabled = false;
    add_material(p.w[1], "cement", 500);
    add_material(p.w[4], "dodatek", 450);
    p.r.recipe_total_weight = 950;
    EXPECT_EQ(split_into_cycles(p), 5);
}

TEST(SplitIntoCycles, ASmallMaterialNeverGetsANegativeLastCycle) {
    ProcessState p;
    set_scale(p, 1, 1, 100);
    add_material(p.w[1], "cement", 850);
    add_material(p.w[1], "dodatek", 0.5);
    p.r.recipe_total_weight = 850.5;
    ASSERT_EQ(split_into_cycles(p), 9);
    const material_record& small = p.w[1].m[2];
    EXPECT_DOUBLE_EQ(small.recipe_weight_c1, 0.0);
    EXPECT_DOUBLE_EQ(small.recipe_weight_clast, 0.5);
    // The large material keeps the ordinary rounding.
    EXPECT_DOUBLE_EQ(p.w[1].m[1].recipe_weight_c1, 94.4);
    EXPECT_NEAR(p.w[1].m[1].recipe_weight_clast, 0.4, 1e-9);
}

TEST(SplitIntoCycles, ANegativeCorrectionWithAPositiveLastCycleStaysAsComputed) {
    ProcessState p;
    set_scale(p, 1, 1, 100);
    add_material(p.w[1], "cement", 850);
    add_material(p.w[1], "dodatek", 2.6);
    p.r.recipe_total_weight = 852.6;
    ASSERT_EQ(split_into_cycles(p), 9);
    EXPECT_DOUBLE_EQ(p.w[1].m[2].recipe_weight_c1, 0.3);
    EXPECT_NEAR(p.w[1].m[2].recipe_weight_clast, -0.1, 1e-9);
}

TEST(SplitIntoCycles, AnEmptyRecipeOrAZeroTotalGivesOneCycleOfNothing) {
    ProcessState p;
    p.r.recipe_total_weight = 3000;
    EXPECT_EQ(split_into_cycles(p), 1);
    EXPECT_DOUBLE_EQ(p.r.recipe_total_weight, 0);

    ProcessState zero = concrete_recipe();
    zero.r.recipe_total_weight = 0;
    EXPECT_EQ(split_into_cycles(zero), 1);
    EXPECT_DOUBLE_EQ(zero.w[2].m[2].recipe_total_weight, 0);
}

TEST(SplitIntoCycles, ANonPositiveLimitOrACountFromABadFileCannotBreakTheSplit) {
    ProcessState p;
    set_scale(p, 1, 0, 0);
    add_material(p.w[1], "cement", 450);
    p.w[1].max_material = 12;
    p.r.recipe_total_weight = 450;
    EXPECT_EQ(split_into_cycles(p), 3);  // 450 kg against the default 200 kg

    p.w[1].max_weight = 1;
    p.r.recipe_total_weight = 1e300;
    EXPECT_GE(split_into_cycles(p), 10);
}

ProcessState measured_process() {
    ProcessState p;
    p.r.total_cycle = 3;
    for (int n = 1; n <= kScales; ++n) {
        p.w[n].max_material = 2;
        p.w[n].curr_cycle_status = cycle_status::COMPLETED;
        p.w[n].curr_material = 2;
        for (int j = 1; j <= 2; ++j) {
            for (int k = 1; k <= 3; ++k) {
                p.w[n].m[j].curr_weight[k] = 10 * n + j + 0.1 * k;
            }
        }
        recompute_scale_totals(p, n, true);
    }
    recompute_process_total(p);
    return p;
}

TEST(RecomputeScaleTotals, SumsMaterialsOverCyclesAndCyclesOverMaterials) {
    ProcessState p = measured_process();
    const weight_record& w = p.w[2];
    EXPECT_DOUBLE_EQ(w.m[1].curr_total_weight, 21.1 + 21.2 + 21.3);
    EXPECT_DOUBLE_EQ(w.curr_cycle_weight[3], 21.3 + 22.3);
    EXPECT_DOUBLE_EQ(w.curr_weight[3], w.curr_cycle_weight[3]);
    EXPECT_DOUBLE_EQ(w.curr_total_weight, w.m[1].curr_total_weight + w.m[2].curr_total_weight);
    EXPECT_NEAR(p.r.curr_weight, 640.8, 1e-9);
}

TEST(RecomputeScaleTotals, WithoutTheCopyTheGrossReadingsStay) {
    ProcessState p = measured_process();
    p.w[1].curr_weight[1] = 999;
    p.w[1].m[1].curr_weight[1] = 0;
    recompute_scale_totals(p, 1, false);
    EXPECT_DOUBLE_EQ(p.w[1].curr_weight[1], 999);
    EXPECT_DOUBLE_EQ(p.w[1].curr_cycle_weight[1], 12.1);
}

TEST(RecomputeScaleTotals, IgnoresCyclesAndMaterialsBeyondTheProcess) {
    ProcessState p = measured_process();
    p.w[1].m[1].curr_weight[4] = 500;
    p.w[1].m[3].curr_weight[1] = 500;
    recompute_scale_totals(p, 1, false);
    EXPECT_DOUBLE_EQ(p.w[1].m[1].curr_total_weight, 11.1 + 11.2 + 11.3);
    EXPECT_DOUBLE_EQ(p.w[1].curr_cycle_weight[1], 11.1 + 12.1);

    p.r.total_cycle = 40;  // as a damaged status file might give
    p.w[1].max_material = 8;
    EXPECT_NO_THROW(recompute_scale_totals(p, 1, true));
    EXPECT_NO_THROW(recompute_scale_totals(p, 5, true));
}

TEST(ResetMasses, OneScaleOneCycleLeavesTheOthersButRecomputesTheTotal) {
    ProcessState p = measured_process();
    const weight_record before = p.w[1];
    const double old_total = p.r.curr_weight;
    reset_masses(p, 2, 3);

    EXPECT_DOUBLE_EQ(p.w[2].m[1].curr_weight[3], 0);
    EXPECT_DOUBLE_EQ(p.w[2].m[2].curr_weight[3], 0);
    EXPECT_DOUBLE_EQ(p.w[2].m[1].curr_weight[2], 21.2);
    EXPECT_DOUBLE_EQ(p.w[2].curr_weight[3], 0);
    EXPECT_EQ(p.w[2].curr_cycle_status, cycle_status::NOT_STARTED);
    EXPECT_EQ(p.w[2].curr_material, 0);
    EXPECT_EQ(p.w[1], before);
    EXPECT_EQ(p.w[3].curr_cycle_status, cycle_status::COMPLETED);
    EXPECT_NEAR(p.r.curr_weight, old_total - 21.3 - 22.3, 1e-9);
}

TEST(ResetMasses, AllScalesAllCyclesClearsEverything) {
    ProcessState p = measured_process();
    reset_masses(p, 0, 0);
    for (int n = 1; n <= kScales; ++n) {
        EXPECT_DOUBLE_EQ(p.w[n].curr_total_weight, 0);
        EXPECT_DOUBLE_EQ(p.w[n].curr_weight[1], 0);
        EXPECT_EQ(p.w[n].curr_material, 0);
    }
    EXPECT_DOUBLE_EQ(p.r.curr_weight, 0);
}

TEST(CycleMass, TheLastCycleAddsTheCorrection) {
    EXPECT_DOUBLE_EQ(cycle_mass(33.3, 0.1, 2, 3), 33.3);
    EXPECT_NEAR(cycle_mass(33.3, 0.1, 3, 3), 33.4, 1e-12);
}

}  // namespace
}  // namespace wazenie
