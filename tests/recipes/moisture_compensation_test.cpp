#include "recipes/moisture_compensation.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

// Sand on scale 2, water on scale 3 (two pipes, 120 and 60 kg), cement on scale 1; 0.1 kg.
struct Batch {
    ProcessState q;
    MaterialKinds kinds;
    MoistureTable moisture;

    Batch(double sand, double water_a, double water_b) {
        const auto put = [this](int s, int j, const char* name, double kg) {
            q.w[s].precision = 1;
            q.w[s].max_material = j;
            q.w[s].m[j].material_name = name;
            q.w[s].m[j].recipe_total_weight = kg;
        };
        put(1, 1, "cement", 300);
        put(2, 1, "piasek 0-2", sand);
        put(3, 1, "woda", water_a);
        put(3, 2, "woda z odzysku", water_b);
        kinds.set("piasek 0-2", MaterialKind::aggregate);
        kinds.set("woda", MaterialKind::water);
        kinds.set("WODA Z ODZYSKU", MaterialKind::water);
        kinds.set("cement", MaterialKind::cement);
    }
    double kg(int s, int j) const { return q.w[s].m[j].recipe_total_weight; }
};

TEST(MoistureCompensation, WetSandTakesItsWaterOffTheWaterInProportion) {
    Batch one(820, 180, 0);
    one.moisture.set({"piasek 0-2", 4.5, 0, ""});
    ASSERT_TRUE(moisture_counts(one.q, one.kinds, one.moisture));
    const auto dry = compensate_moisture(one.q, one.kinds, one.moisture);
    ASSERT_TRUE(dry);
    EXPECT_DOUBLE_EQ(one.kg(2, 1), 856.9);
    EXPECT_DOUBLE_EQ(one.kg(3, 1), 143.1);
    EXPECT_DOUBLE_EQ(one.kg(1, 1), 300);
    ASSERT_EQ(dry->size(), 4u);
    EXPECT_EQ((*dry)[1], (DryTarget{2, 1, "piasek 0-2", MaterialKind::aggregate, 820, 4.5, 856.9}));
    EXPECT_EQ((*dry)[2], (DryTarget{3, 1, "woda", MaterialKind::water, 180, 0, 143.1}));

    // Two waters give 2:1 of the 36.9 kg, the total staying whole.
    Batch two(820, 120, 60);
    two.moisture.set({"piasek 0-2", 4.5, 0, ""});
    ASSERT_TRUE(compensate_moisture(two.q, two.kinds, two.moisture));
    EXPECT_DOUBLE_EQ(two.kg(3, 1), 95.4);
    EXPECT_DOUBLE_EQ(two.kg(3, 2), 47.7);
    EXPECT_NEAR(two.kg(2, 1) + two.kg(3, 1) + two.kg(3, 2), 820 + 180, 1e-9);
}

TEST(MoistureCompensation, WaterRunningOutIsRefusedAndNoMoistureChangesNothing) {
    Batch wet(820, 100, 0);
    wet.moisture.set({"PIASEK 0-2", 20, 0, ""});
    const ProcessState before = wet.q;
    const auto refused = compensate_moisture(wet.q, wet.kinds, wet.moisture);
    ASSERT_FALSE(refused);
    EXPECT_EQ(
        refused.error().what,
        "Woda z kruszyw przekracza wodę receptury: 164.0 kg wody w kruszywach, 100.0 kg wody w recepturze.");
    EXPECT_EQ(wet.q, before);

    // Moisture of a material that is no aggregate, or of none at all, does not count.
    Batch dry(820, 180, 0);
    dry.moisture.set({"cement", 4, 0, ""});
    EXPECT_FALSE(moisture_counts(dry.q, dry.kinds, dry.moisture));
    dry.moisture.set({"piasek 0-2", 0, 0, ""});
    EXPECT_FALSE(moisture_counts(dry.q, dry.kinds, dry.moisture));
}

}  // namespace
}  // namespace wazenie
