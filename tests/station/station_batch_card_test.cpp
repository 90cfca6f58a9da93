#include "station/station_rig.h"
#include "station/water_cement.h"
#include "storage/batch_card.h"
#include "storage/month_log.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

// Scale 1 doses cement (M1) and wet sand (M2), 2 cycles.
std::vector<DryTarget> wet_sand() {
    return {{1, 1, "M1", MaterialKind::cement, 200, 0, 200},
            {1, 2, "M2", MaterialKind::aggregate, 100, 5, 105}};
}

std::vector<BatchCard> cards(const StationRig& rig) {
    const auto month = log_month(month_log_path(rig.dir.path(), rig.clock.now()));
    auto read = read_batch_cards(batch_card_path(rig.dir.path(), *month));
    return read ? read->cards : std::vector<BatchCard>{};
}

// The program started again on the same data folder, logged in.
struct Restarted {
    FakeSerialLink link;
    FakeDialogs dialogs;
    FakeDisplay display;
    Station station;
    explicit Restarted(const StationRig& rig) : station(rig.dir.path(), link, rig.clock, dialogs, display) {
        station.start_up();
        station.log_in("ADMINISTRATOR");
    }
    Station* operator->() { return &station; }
};

TEST(BatchCard, TheDryTargetsGoToTheMonthsCardOnceAndSurviveARestart) {
    StationRig rig;
    rig.enable_only({1});
    rig.set_cycles(2);
    rig.give_recipe(1, {100, 52});
    rig.station.load_weighing_params(rig.p, wet_sand());
    ASSERT_TRUE(std::filesystem::exists(rig.dir / "karta_biezaca.txt"));

    // A restart half-way finds the dry targets again.
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until([&] { return rig.p.r.curr_cycle == 2; }));
    ASSERT_TRUE(rig.station.save_status());
    EXPECT_EQ(Restarted(rig)->process_materials(), wet_sand());
    ASSERT_TRUE(rig.run_until_finished());
    rig.dialogs.answers = {true, true};
    rig.station.stop_process();  // logged a second time, its card kept once

    const std::vector<BatchCard> kept = cards(rig);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].weight_doc, rig.p.r.weight_doc);
    EXPECT_EQ(kept[0].materials, wet_sand());
    EXPECT_TRUE(kept[0].sent.empty());
    EXPECT_EQ(rig.log_records().size(), 2u);
}

TEST(BatchCard, NothingCountedWritesNothingAndTheRatioCountsTheSandsWater) {
    StationRig rig;
    rig.enable_only({1});
    rig.set_cycles(1);
    rig.give_recipe(1, {100, 50});
    rig.station.load_weighing_params(rig.p);
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until_finished());
    EXPECT_TRUE(cards(rig).empty());
    EXPECT_FALSE(std::filesystem::exists(rig.dir / "karta_biezaca.txt"));
    EXPECT_EQ(water_cement_text(rig.p, rig.station.process_materials(), 1), "");

    // 300 kg of cement, 143.1 kg of water and 856.9 kg of sand at 4.5 %: (143.1 + 36.9) / 300.
    ProcessState p;
    p.w[1].max_material = 3;
    p.w[1].m[1].curr_weight[1] = 300;
    p.w[1].m[2].curr_weight[1] = 143.1;
    p.w[1].m[3].curr_weight[1] = 856.9;
    const std::vector<DryTarget> materials = {{1, 1, "cement", MaterialKind::cement, 300, 0, 300},
                                              {1, 2, "woda", MaterialKind::water, 180, 0, 143.1},
                                              {1, 3, "piasek", MaterialKind::aggregate, 820, 4.5, 856.9}};
    EXPECT_NEAR(*water_cement_ratio(p, materials, 0), 0.6, 1e-9);
    EXPECT_EQ(water_cement_text(p, materials, 1), "0.60");
}

TEST(BatchCard, ATruckAloneKeepsACardThroughARestart) {
    StationRig rig;
    rig.enable_only({1});
    rig.set_cycles(1);
    rig.give_recipe(1, {100, 50});
    rig.station.load_weighing_params(rig.p, {}, {"WGM 12345", ""});
    ASSERT_TRUE(rig.station.save_status());
    EXPECT_EQ(Restarted(rig)->process_delivery(), (Delivery{"WGM 12345", ""}));
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until_finished());
    const std::vector<BatchCard> kept = cards(rig);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].delivery, (Delivery{"WGM 12345", ""}));
    EXPECT_EQ(batch_card_lines(kept[0]).back(), "kd\tWGM 12345\t");
}

}  // namespace
}  // namespace wazenie::testing
