#include "station/station_rig.h"
#include "storage/stock_ledger.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

// M1 is kept in stock with the delivery given; M2 is not kept.
void deliver_m1(StationRig& rig, double kg) {
    ASSERT_TRUE(
        append_stock_entries(stock_ledger_path(rig.dir.path()),
                             {{rig.clock.time, StockMove::delivery, "M1", kg, "DN 1", "ADMINISTRATOR"}}));
}

std::vector<StockEntry> ledger(const StationRig& rig) {
    return read_stock_ledger(stock_ledger_path(rig.dir.path()))->entries;
}

TEST(StationStock, AFinishedProcessPostsWhatItDosedOnceHoweverOftenItIsStopped) {
    StationRig rig;
    rig.set_cycles(2);
    rig.give_recipe(1, {100, 50});
    deliver_m1(rig, 1000);
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until_finished());
    std::vector<StockEntry> lines = ledger(rig);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].move, StockMove::consumption);
    EXPECT_EQ(lines[1].material, "M1");
    EXPECT_DOUBLE_EQ(lines[1].kg, -rig.p.w[1].m[1].curr_total_weight);
    EXPECT_DOUBLE_EQ(lines[1].kg, -200);
    EXPECT_EQ(lines[1].document, rig.p.r.weight_doc);

    // Stopped again after its end: logged a second time, posted once.
    rig.dialogs.answers = {true, true};
    rig.station.stop_process();
    EXPECT_EQ(rig.log_records().size(), 2u);
    EXPECT_EQ(ledger(rig).size(), 2u);
}

TEST(StationStock, WithoutDeliveriesNothingIsAskedOrWritten) {
    StationRig rig;
    rig.set_cycles(1);
    rig.give_recipe(1, {100});
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until_finished());
    EXPECT_EQ(rig.count_messages("pytanie"), 0);
    EXPECT_FALSE(std::filesystem::exists(stock_ledger_path(rig.dir.path())));
}

TEST(StationStock, AShortStockIsAskedAboutBeforeTheStart) {
    StationRig rig;
    rig.set_cycles(3);
    rig.give_recipe(1, {100, 50});
    deliver_m1(rig, 250);
    ASSERT_EQ(rig.station.stock_shortages_at_start().size(), 1u);
    rig.dialogs.answers = {false};
    const ProcessState before = rig.p;
    rig.station.start_process();
    EXPECT_EQ(
        rig.dialogs.journal,
        (std::vector<std::string>{"pytanie: Za mało materiału w magazynie: M1: potrzeba 300 kg, stan 250 kg. "
                                  "Czy mimo to rozpocząć?"}));
    EXPECT_EQ(rig.p, before);  // No cancels the start
    rig.dialogs.answers = {true};
    rig.station.start_process();
    EXPECT_EQ(rig.p.cpq.msg, CP_MSG_RECIPE);
    EXPECT_EQ(rig.p.cpq.status, command_status::WAITING);
}

}  // namespace
}  // namespace wazenie::testing
