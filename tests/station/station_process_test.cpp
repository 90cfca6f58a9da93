#include "comm/exchange_log.h"
#include "station/station_rig.h"
#include "storage/date_time.h"
#include "storage/process_file.h"
#include "storage/text_helpers.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::StationRig;

TEST(StationProcess, TwoScalesTwoCyclesRunFromRecipeToLogRecord) {
    StationRig rig;
    rig.set_cycles(2);
    rig.give_recipe(1, {100, 50});
    rig.give_recipe(3, {30});
    rig.enable_only({1, 3});
    rig.station.settings().weightdoc_next = 7;
    rig.station.start_process();
    ASSERT_TRUE(rig.dialogs.journal.empty());

    // The recipe goes to scale 1, then upward to scale 3; only then the WZ number and the start.
    ASSERT_TRUE(rig.run_until([&] { return rig.p.cpq.msg == CP_MSG_START; }));
    EXPECT_EQ(rig.meters.scales[1].masses, (std::vector<double>{100, 50, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rig.meters.scales[3].masses, (std::vector<double>{30, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rig.meters.frames.front(), "REC1;");
    EXPECT_EQ(rig.p.r.weight_doc, "WZ/7/2024");
    EXPECT_EQ(rig.p.r.start_time, rig.clock.time);
    EXPECT_EQ(rig.station.settings().weightdoc_next, 8);
    EXPECT_EQ(rig.count_frames("STA"), 0);

    // The start goes to every due scale in turn; then the meters dose.
    ASSERT_TRUE(rig.run_until([&] { return rig.p.w[1].curr_cycle_status == cycle_status::STARTED; }));
    EXPECT_EQ(rig.meters.scales[1].starts, 1);
    ASSERT_TRUE(rig.run_until([&] { return rig.p.w[1].curr_cycle_status == cycle_status::OPEN_TRAY; }));
    EXPECT_DOUBLE_EQ(rig.p.w[1].m[1].curr_weight[1], 100);
    EXPECT_DOUBLE_EQ(rig.p.w[1].m[2].curr_weight[1], 50);

    // Cycle 2 begins by itself and keeps the document and start time of the process.
    rig.clock.advance_seconds(600);
    ASSERT_TRUE(rig.run_until([&] { return rig.p.r.curr_cycle == 2; }));
    EXPECT_TRUE(rig.p.w[1].curr_cycle == 2 && rig.p.w[3].curr_cycle == 2);
    EXPECT_DOUBLE_EQ(rig.p.w[3].m[1].curr_weight[1], 30);
    ASSERT_TRUE(rig.run_until_finished());
    EXPECT_EQ(rig.p.r.weight_doc, "WZ/7/2024");
    EXPECT_EQ(rig.p.r.start_time, 45356.0);
    EXPECT_EQ(rig.meters.scales[1].recipes, 2);
    EXPECT_EQ(rig.meters.scales[3].starts, 2);
    EXPECT_DOUBLE_EQ(rig.p.r.curr_weight, 360);

    // One record, one message, however long the loop runs on.
    rig.tick(100);
    EXPECT_EQ(rig.dialogs.journal,
              (std::vector<std::string>{"informacja: Proces naważania został zakończony!"}));
    const auto records = rig.log_records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(tab_field(records[0], 1), "WZ/7/2024");
    EXPECT_EQ(tab_field(records[0], 3), file_date_time(rig.p.r.stop_time));
    EXPECT_EQ(rig.count_frames("REC"), 4);

    // The status file holds the finished process (a power cut loses nothing of it).
    ProcessState restored;
    ASSERT_TRUE(load_process(restored, rig.dir.path(), "0"));
    EXPECT_EQ(restored.r.stop_time, rig.p.r.stop_time);
    EXPECT_EQ(restored.w[1].curr_cycle_status, cycle_status::COMPLETED);
}

TEST(StationProcess, WeightQuestionsGoRoundTheEnabledScales) {
    StationRig only3;
    only3.enable_only({3});
    only3.tick(40);
    StationRig one_and_four;
    one_and_four.enable_only({1, 4});
    one_and_four.tick(40);

    ASSERT_GE(only3.meters.frames.size(), 4u);
    for (const std::string& frame : only3.meters.frames) {
        EXPECT_EQ(frame, "A3;");
    }
    ASSERT_GE(one_and_four.meters.frames.size(), 4u);
    for (std::size_t i = 0; i < one_and_four.meters.frames.size(); ++i) {
        EXPECT_EQ(one_and_four.meters.frames[i], i % 2 == 0 ? "A1;" : "A4;");
    }
}

TEST(StationProcess, RecipeFramesAreSpacedAndOnlyTheLastIsAwaited) {
    StationRig rig;
    rig.station.settings().rs_delay_recipe = 2;
    rig.give_recipe(2, {10, 20, 30});
    rig.enable_only({2});
    rig.meters.scales[2].answers = false;
    rig.station.start_process();
    std::vector<int> sent_at;
    for (int t = 0; t < 20; ++t) {
        const std::size_t before = rig.link.written.size();
        rig.tick();
        if (rig.link.written.size() > before) {
            sent_at.push_back(t);
        }
    }
    ASSERT_EQ(rig.link.written.size(), 8u);
    EXPECT_EQ(rig.link.written[0], "REC2;");
    for (std::size_t i = 1; i < sent_at.size(); ++i) {
        EXPECT_EQ(sent_at[i] - sent_at[i - 1], 2);
    }
    EXPECT_EQ(rig.p.cpq.status, command_status::SEND);
    EXPECT_EQ(rig.p.r.cp_status, line_status::SEND);
    EXPECT_EQ(rig.p.r.cp_msg, CP_MSG_RECIPE);
}

TEST(StationProcess, RecipeRefusedWithWIsSentFiveTimesThenDropped) {
    StationRig rig;
    rig.give_recipe(1, {100});
    rig.enable_only({1});
    rig.meters.scales[1].recipe_verdict = 'W';
    rig.station.start_process();
    rig.tick(400);
    EXPECT_EQ(rig.meters.scales[1].recipes, 5);
    EXPECT_EQ(rig.count_frames("REC1;"), 5);
    EXPECT_EQ(rig.p.cpq.status, command_status::EMPTY);
    EXPECT_EQ(rig.count_frames("STA"), 0);
    EXPECT_EQ(rig.p.r.start_time, 0);
}

TEST(StationProcess, SilentMeterTimesOutFiveTimesAndIsShownDisconnected) {
    StationRig rig;
    rig.give_recipe(1, {100});
    rig.enable_only({1, 2});
    rig.meters.scales[1].answers = false;
    rig.meters.scales[2].answers = false;
    rig.station.start_process();
    rig.tick(400);
    // The recipe is tried five times; the weight questions then go on, failures counted per scale.
    EXPECT_EQ(rig.count_frames("REC1;"), 5);
    EXPECT_EQ(rig.p.cpq.status, command_status::EMPTY);
    EXPECT_GT(rig.p.w[2].cp_timeout_num, 4);
    EXPECT_GT(rig.p.w[1].cp_timeout_num, 4);
    int timeouts = 0;
    for (const std::string& line : rig.station.exchange_log().lines()) {
        timeouts += line.find(" !! timeout; waga:1") != std::string::npos ? 1 : 0;
    }
    EXPECT_GE(timeouts, 5);
    EXPECT_GT(rig.display.connection, 10);
}

TEST(StationProcess, ScaleOneCycleAheadIsPassedOverAtTheAdvance) {
    StationRig rig;
    rig.set_cycles(3);
    rig.give_recipe(1, {10});
    rig.give_recipe(2, {20});
    rig.enable_only({1, 2});
    rig.meters.scales[1].held = true;
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until([&] { return rig.p.w[2].curr_cycle_status == cycle_status::COMPLETED; }));
    ASSERT_EQ(rig.p.w[1].curr_cycle_status, cycle_status::STARTED);
    // The operator starts scale 2's next cycle while scale 1 still doses the system's cycle.
    rig.station.click_scale_button(2, ScaleButton::start);
    EXPECT_EQ(rig.p.w[2].curr_cycle, 2);
    ASSERT_TRUE(rig.run_until([&] { return rig.p.w[2].curr_cycle_status == cycle_status::STARTED; }));
    EXPECT_EQ(rig.p.r.curr_cycle, 1);
    EXPECT_EQ(rig.meters.scales[2].starts, 2);
    const int recipes_to_2 = rig.meters.scales[2].recipes;
    rig.meters.scales[1].held = false;
    ASSERT_TRUE(rig.run_until([&] { return rig.meters.scales[1].starts == 2; }));
    EXPECT_EQ(rig.p.r.curr_cycle, 2);
    EXPECT_EQ(rig.meters.scales[2].recipes, recipes_to_2);
    EXPECT_EQ(rig.meters.scales[2].starts, 2);
    EXPECT_EQ(rig.p.w[2].curr_cycle, 2);
}

TEST(StationProcess, EmptyFirstProcessIsNeverEndedOrLogged) {
    StationRig rig;  // no status file: one cycle, no recipe
    rig.enable_only({1, 2, 4});
    rig.tick(400);
    for (int n : {1, 2, 4}) {
        EXPECT_EQ(rig.p.w[n].curr_cycle_status, cycle_status::COMPLETED) << n;
    }
    EXPECT_EQ(rig.p.r.stop_time, 0);
    EXPECT_TRUE(rig.dialogs.journal.empty());
    EXPECT_TRUE(rig.log_records().empty());
    EXPECT_EQ(rig.count_frames("REC"), 0);

    // A recipe on one scale makes it a process that ends as ever, even when only that scale is started.
    rig.give_recipe(2, {40});
    rig.edit([](ProcessState& p) { p.w[2].curr_cycle_status = cycle_status::NOT_STARTED; });
    rig.station.click_scale_button(2, ScaleButton::start);
    ASSERT_TRUE(rig.run_until_finished());
    EXPECT_EQ(rig.count_messages("informacja: Proces naważania został zakończony!"), 1);
    EXPECT_EQ(rig.log_records().size(), 1u);
}

TEST(StationProcess, ReadingsMoveAScaleThroughItsStates) {
    StationRig rig;
    rig.give_recipe(1, {100, 50});
    rig.edit([](ProcessState& p) {
        p.w[1].min_weight = 2;
        p.w[1].sta_weight = 0.5;
    });
    const weight_record& w = rig.p.w[1];
    Station& s = rig.station;
    s.on_weight_answer(1, 8, 0, 0, 0);  // emptying before the start changes nothing
    EXPECT_EQ(w.curr_cycle_status, cycle_status::NOT_STARTED);
    s.on_weight_answer(1, 1, 1, 0, 60);
    EXPECT_EQ(w.curr_cycle_status, cycle_status::STARTED);
    EXPECT_EQ(w.curr_material, 1);
    s.on_weight_answer(1, 0, 1, 0, 100);  // running without a material number: still material 1
    EXPECT_EQ(w.curr_material, 1);
    EXPECT_EQ(w.curr_status, run_mode::RUNNING);
    s.on_weight_answer(1, 2, 1, 0, 130);
    EXPECT_DOUBLE_EQ(w.m[1].curr_weight[1], 100);
    EXPECT_DOUBLE_EQ(w.m[2].curr_weight[1], 30);
    EXPECT_DOUBLE_EQ(w.curr_cycle_weight[1], 130);
    s.on_weight_answer(1, 8, 0, 0, 40);
    EXPECT_EQ(w.curr_cycle_status, cycle_status::OPEN_TRAY);
    EXPECT_EQ(w.curr_status, run_mode::STOPPED);
    s.on_weight_answer(1, 8, 0, 0, 1.8);  // empty enough, not yet steady
    EXPECT_EQ(w.curr_cycle_status, cycle_status::OPEN_TRAY);
    s.on_weight_answer(1, 8, 0, 0, 1.5);
    EXPECT_EQ(w.curr_cycle_status, cycle_status::COMPLETED);
    EXPECT_DOUBLE_EQ(w.m[2].curr_weight[1], 30);  // emptying records no material mass
    EXPECT_DOUBLE_EQ(rig.p.r.curr_weight, 130);

    // A reading whose status carries b67 changes nothing but clears the failure count.
    rig.edit([](ProcessState& p) { p.w[1].cp_timeout_num = 4; });
    s.on_weight_answer(1, 1, 1, 1, 999);
    EXPECT_EQ(w.cp_timeout_num, 0);
    EXPECT_EQ(w.curr_cycle_status, cycle_status::COMPLETED);
    EXPECT_DOUBLE_EQ(w.curr_weight[1], 1.5);
}

TEST(StationProcess, ScaleWithNothingToDoseCompletesOnItsFirstAnswer) {
    StationRig rig;
    rig.set_cycles(2);
    rig.give_recipe(1, {100});
    rig.give_recipe(2, {0});
    rig.station.on_weight_answer(2, 0, 0, 0, 0);
    EXPECT_EQ(rig.p.w[2].curr_cycle_status, cycle_status::COMPLETED);
    rig.station.on_weight_answer(1, 0, 0, 0, 0);
    EXPECT_EQ(rig.p.w[1].curr_cycle_status, cycle_status::NOT_STARTED);
    EXPECT_EQ(rig.p.w[1].curr_status, run_mode::NONE);
}

TEST(StationProcess, TicksKeepTheirSpacingAcrossTheCounterWrap) {
    StationRig rig;
    rig.enable_only({1});
    rig.edit([](ProcessState& p) {
        p.r.cp_tick = 2147483645;  // three ticks before the 32-bit wrap
        p.r.cp_time = p.r.cp_tick;
    });
    rig.meters.scales[1].answers = false;
    rig.tick(3);
    ASSERT_EQ(rig.link.written.size(), 1u);  // rs_delay 3 ticks after the last exchange
    rig.tick(6);
    EXPECT_EQ(rig.p.w[1].cp_timeout_num, 0);  // not more than rs_timeout yet
    rig.tick(1);
    EXPECT_EQ(rig.p.w[1].cp_timeout_num, 1);
    EXPECT_LT(rig.p.r.cp_tick, 0);
}

TEST(StationProcess, ClosedPortStandsTheLoopStill) {
    StationRig rig;
    rig.link.opened = false;
    rig.tick(50);
    EXPECT_TRUE(rig.link.written.empty());
    EXPECT_EQ(rig.p.r.cp_tick, 0);
}

}  // namespace
}  // namespace wazenie
