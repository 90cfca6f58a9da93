#include <functional>

#include "station/station_rig.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::StationRig;

constexpr const char* kPending = "błąd: Błąd! Oczekuję potwierdzenia poprzedniego komunikatu!";

// A process of 500 kg in one cycle on scale 1, as the split leaves it.
void one_cycle_of_500(StationRig& rig) {
    rig.set_cycles(1);
    rig.give_recipe(1, {300, 200});
}

TEST(StationCommands, GlobalStartIsRefusedWhilePendingAndAcceptedAfterTheAcknowledgement) {
    StationRig rig;
    one_cycle_of_500(rig);
    rig.station.pause_process();
    const ProcessState before = rig.p;
    rig.station.start_process();
    EXPECT_EQ(rig.dialogs.journal, std::vector<std::string>{kPending});
    EXPECT_EQ(rig.p, before);
    ASSERT_TRUE(rig.run_until([&] { return rig.p.cpq.status == command_status::EMPTY; }));
    rig.station.start_process();
    EXPECT_EQ(rig.p.cpq.status, command_status::WAITING);
    EXPECT_EQ(rig.p.cpq.msg, CP_MSG_RECIPE);
    EXPECT_EQ(rig.p.cpq.weight_num, 1);
}

TEST(StationCommands, GlobalStartGuardsARunningProcessAndAMissingRecipe) {
    StationRig rig;
    rig.station.start_process();
    EXPECT_EQ(rig.count_messages("ostrzeżenie: Wszystkie wagi są wyłączone"), 1);
    one_cycle_of_500(rig);
    rig.edit([](ProcessState& p) { p.r.start_time = 45000; });
    rig.station.start_process();
    EXPECT_EQ(
        rig.dialogs.last(),
        "ostrzeżenie: Proces naważania nie został zakończony.\rNaciśnij STOP aby zakończyć aktualny proces "
        "naważania.");
    EXPECT_EQ(rig.p.cpq.status, command_status::EMPTY);
}

TEST(StationCommands, GlobalStartAfterAFinishedProcessResetsScalesAndMasses) {
    StationRig rig;
    rig.set_cycles(3);
    rig.give_recipe(1, {100});
    rig.give_recipe(2, {50});
    rig.enable_only({1, 2});
    rig.edit([](ProcessState& p) {
        p.r.curr_cycle = 3;
        p.r.view_cycle = 2;
        p.r.start_time = 45000;
        p.r.stop_time = 45001;
        for (int n : {1, 2}) {
            p.w[n].curr_cycle = 3;
            p.w[n].curr_cycle_status = cycle_status::COMPLETED;
            p.w[n].m[1].curr_weight[2] = 77;
        }
    });
    rig.station.start_process();
    EXPECT_EQ(rig.p.r.curr_cycle, 1);
    EXPECT_EQ(rig.p.r.view_cycle, 0);
    EXPECT_EQ(rig.p.r.start_time, 0);
    EXPECT_EQ(rig.p.r.stop_time, 0);
    EXPECT_EQ(rig.p.w[2].curr_cycle, 1);
    EXPECT_EQ(rig.p.w[2].curr_cycle_status, cycle_status::NOT_STARTED);
    EXPECT_EQ(rig.p.w[2].m[1].curr_weight[2], 0);
    EXPECT_EQ(rig.p.r.curr_weight, 0);
    // The start time waits for the recipe to reach every scale.
    ASSERT_TRUE(rig.run_until([&] { return rig.p.cpq.msg == CP_MSG_START; }));
    EXPECT_NE(rig.p.r.start_time, 0);
}

TEST(StationCommands, GlobalStopAsksAndLogsTheProcess) {
    StationRig rig;
    one_cycle_of_500(rig);
    rig.dialogs.answers = {false};
    rig.station.stop_process();
    EXPECT_EQ(rig.p.r.stop_time, 0);
    EXPECT_EQ(rig.p.cpq.status, command_status::EMPTY);

    rig.station.stop_process();
    EXPECT_EQ(rig.p.r.stop_time, rig.clock.time);
    EXPECT_EQ(rig.p.cpq.msg, CP_MSG_STOP);
    EXPECT_TRUE(rig.p.cpq.all_weights);
    EXPECT_EQ(rig.dialogs.last(), "informacja: Proces naważania został zakończony!");
    EXPECT_EQ(rig.log_records().size(), 1u);
    ASSERT_TRUE(rig.run_until([&] { return rig.p.cpq.status == command_status::EMPTY; }));
    EXPECT_EQ(rig.count_frames("STO1;"), 1);

    // Stopping a finished process again needs a second Yes and logs a second record.
    rig.clock.advance_seconds(60);
    rig.dialogs.answers = {true, false};
    rig.station.stop_process();
    EXPECT_EQ(rig.count_messages("pytanie: Proces naważania jest już zakończony"), 1);
    EXPECT_EQ(rig.log_records().size(), 1u);
    rig.station.stop_process();
    EXPECT_EQ(rig.p.r.stop_time, rig.clock.time);
    EXPECT_EQ(rig.log_records().size(), 2u);
}

// An operator who answers while the loop runs on: the question box runs the loop's ticks.
struct TickingDialogs : testing::FakeDialogs {
    std::function<void()> while_asking;
    bool question(const std::string& text) override {
        if (while_asking) {
            while_asking();
        }
        return FakeDialogs::question(text);
    }
};

TEST(StationCommands, StopIsRefusedWhenTheLoopMadeACommandPendingDuringTheQuestion) {
    testing::ScratchDir dir;
    testing::FakeSerialLink link;
    testing::FakeClock clock;
    TickingDialogs dialogs;
    testing::FakeDisplay display;
    Station station(dir.path(), link, clock, dialogs, display);
    station.start_up();
    station.log_in("ADMINISTRATOR");
    dialogs.while_asking = [&] {
        testing::edit_process(station, [](ProcessState& p) { p.cpq.status = command_status::WAITING; });
    };
    station.stop_process();
    EXPECT_EQ(station.process().r.stop_time, 0);
    EXPECT_EQ(dialogs.last(), kPending);
}

TEST(StationCommands, EndOfProcessReportsAFailedLogBeforeItsMessage) {
    StationRig rig;
    rig.give_recipe(1, {40});
    rig.enable_only({1});
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until([&] { return rig.p.w[1].curr_cycle_status == cycle_status::OPEN_TRAY; }));
    rig.dialogs.clear();
    text_file::Faults faults;
    faults.fail_create = true;
    text_file::inject_faults(faults);
    const bool finished = rig.run_until_finished(200);
    text_file::reset_faults();
    ASSERT_TRUE(finished);
    ASSERT_GE(rig.dialogs.journal.size(), 2u);
    const auto& j = rig.dialogs.journal;
    EXPECT_EQ(j[0].rfind("błąd: Błąd (20) przy zapisie do pliku: ", 0), 0u) << j[0];
    EXPECT_NE(j[0].find("202403.txt.\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem."),
              std::string::npos);
    EXPECT_EQ(j[1].rfind("błąd: Błąd (21) przy zapisie do pliku: ", 0), 0u) << j[1];
    EXPECT_EQ(j.back(), "informacja: Proces naważania został zakończony!");
}

TEST(StationCommands, ScaleStartMovesACompletedScaleOneCycleAhead) {
    StationRig rig;
    rig.set_cycles(4);
    rig.give_recipe(1, {10});
    rig.give_recipe(2, {20});
    rig.edit([](ProcessState& p) {
        p.r.curr_cycle = 2;
        p.r.start_time = 45000;
        for (int n : {1, 2}) {
            p.w[n].curr_cycle = 2;
        }
        p.w[2].curr_cycle_status = cycle_status::COMPLETED;
    });
    rig.station.click_scale_button(2, ScaleButton::start);
    EXPECT_EQ(rig.p.w[2].curr_cycle, 3);
    EXPECT_EQ(rig.p.w[2].curr_cycle_status, cycle_status::NOT_STARTED);
    EXPECT_EQ(rig.p.cpq.msg, CP_MSG_RECIPE);
    EXPECT_EQ(rig.p.cpq.weight_num, 2);
    EXPECT_FALSE(rig.p.cpq.all_weights);
    EXPECT_EQ(rig.p.r.start_time, 45000);

    // Once it has begun that cycle, a further Start waits for the system.
    rig.edit([](ProcessState& p) {
        p.cpq.status = command_status::EMPTY;
        p.w[2].curr_cycle_status = cycle_status::STARTED;
    });
    rig.station.click_scale_button(2, ScaleButton::start);
    EXPECT_EQ(rig.dialogs.last(), "błąd: Błąd! Waga jest już w cyklu wyprzedzającym cykl systemu!");
    EXPECT_EQ(rig.p.w[2].curr_cycle, 3);
    EXPECT_EQ(rig.p.cpq.status, command_status::EMPTY);
}

TEST(StationCommands, ScaleStartInTheLastCycleAndOfAWaitingScale) {
    StationRig rig;
    rig.set_cycles(2);
    rig.give_recipe(1, {10});
    rig.edit([](ProcessState& p) {
        p.r.curr_cycle = 2;
        p.w[1].curr_cycle = 2;
        p.w[1].curr_cycle_status = cycle_status::OPEN_TRAY;
    });
    rig.station.click_scale_button(1, ScaleButton::start);
    EXPECT_EQ(rig.dialogs.last(),
              "błąd: Błąd! Nie można rozpocząć następnego cyklu, ponieważ aktualny cykl jest ostatnim!");
    EXPECT_EQ(rig.p.cpq.status, command_status::EMPTY);

    // A scale still waiting gets its recipe again, in the same cycle; the process starts now.
    rig.edit([](ProcessState& p) { p.w[1].curr_cycle_status = cycle_status::NOT_STARTED; });
    rig.clock.advance_seconds(30);
    rig.station.click_scale_button(1, ScaleButton::start);
    EXPECT_EQ(rig.p.w[1].curr_cycle, 2);
    EXPECT_EQ(rig.p.cpq.msg, CP_MSG_RECIPE);
    EXPECT_EQ(rig.p.r.start_time, rig.clock.time);
    // After the recipe the same scale, and only it, is started.
    ASSERT_TRUE(rig.run_until([&] { return rig.meters.scales[1].starts == 1; }));
    EXPECT_EQ(rig.count_frames("STA"), 1);
}

TEST(StationCommands, ScaleButtonsFormAGroupAndMayBeBlockedDown) {
    StationRig rig;
    rig.station.on_weight_answer(1, 0, 0, 0, 0);  // no run mode reported: every button up
    EXPECT_EQ(rig.station.scale_button_down(1), ScaleButton::none);
    rig.edit([](ProcessState& p) { p.w[1].curr_status = run_mode::STOPPED; });
    rig.station.show_current_cycle();
    ASSERT_EQ(rig.station.scale_button_down(1), ScaleButton::stop);

    rig.station.settings().block_down_buttons = true;
    rig.station.click_scale_button(1, ScaleButton::stop);
    EXPECT_EQ(rig.station.scale_button_down(1), ScaleButton::stop);
    EXPECT_EQ(rig.p.cpq.status, command_status::EMPTY);

    rig.station.settings().block_down_buttons = false;
    rig.station.click_scale_button(1, ScaleButton::stop);
    EXPECT_EQ(rig.station.scale_button_down(1), ScaleButton::none);
    EXPECT_EQ(rig.p.cpq.msg, CP_MSG_STOP);
    EXPECT_EQ(rig.p.cpq.weight_num, 1);

    // Releasing the pause sends the pause command again and puts Start down.
    rig.edit([](ProcessState& p) { p.cpq.status = command_status::EMPTY; });
    rig.station.click_scale_button(3, ScaleButton::pause);
    EXPECT_EQ(rig.station.scale_button_down(3), ScaleButton::pause);
    rig.edit([](ProcessState& p) {  // the meter has paused
        p.cpq.status = command_status::EMPTY;
        p.w[3].curr_status = run_mode::PAUSED;
    });
    rig.station.click_scale_button(3, ScaleButton::pause);
    EXPECT_EQ(rig.p.cpq.msg, CP_MSG_PAUSE);
    EXPECT_EQ(rig.station.scale_button_down(3), ScaleButton::start);

    rig.station.click_scale_button(3, ScaleButton::stop);
    EXPECT_EQ(rig.dialogs.last(), kPending);
}

TEST(StationCommands, NumberOfCyclesScalesTheProcessMass) {
    StationRig rig;
    one_cycle_of_500(rig);
    rig.edit([](ProcessState& p) { p.w[1].m[1].curr_weight[3] = 40; });  // left by an earlier, longer process
    rig.dialogs.values = {"4"};
    ASSERT_TRUE(rig.station.can_change_total_cycles());
    rig.station.change_total_cycles();
    const ValueRequest& asked = rig.dialogs.value_requests.at(0);
    EXPECT_EQ(asked.caption, "Ilość cykli");
    EXPECT_EQ(asked.prompt, "Podaj ilość cykli (1-9):");
    EXPECT_EQ(asked.initial, "1");
    EXPECT_EQ(asked.data_type, "integer");
    EXPECT_EQ(rig.p.r.total_cycle, 4);
    EXPECT_DOUBLE_EQ(rig.p.r.recipe_total_weight, 2000);
    EXPECT_DOUBLE_EQ(rig.p.w[1].recipe_total_weight, 2000);
    EXPECT_DOUBLE_EQ(rig.p.w[1].m[1].recipe_total_weight, 1200);
    EXPECT_DOUBLE_EQ(rig.p.w[1].m[1].curr_weight[3], 0);
    EXPECT_DOUBLE_EQ(rig.p.r.curr_weight, 0);

    for (const char* bad : {"0", "10", "x"}) {
        rig.dialogs.values = {bad};
        rig.station.change_total_cycles();
        EXPECT_EQ(rig.dialogs.last(), "błąd: Nieprawidłowa ilość cykli!") << bad;
        EXPECT_EQ(rig.p.r.total_cycle, 4);
    }
    rig.edit([](ProcessState& p) { p.w[2].curr_cycle = 3; });  // no fewer cycles than a scale has reached
    rig.dialogs.values = {"2"};
    rig.station.change_total_cycles();
    EXPECT_EQ(rig.dialogs.value_requests.back().prompt, "Podaj ilość cykli (3-9):");
    EXPECT_EQ(rig.p.r.total_cycle, 4);
    rig.dialogs.values = {};
    rig.station.change_total_cycles();  // cancelled
    EXPECT_EQ(rig.p.r.total_cycle, 4);
}

TEST(StationCommands, NumberOfCyclesOnlyForAOneCycleSplit) {
    StationRig rig;
    rig.set_cycles(3);
    rig.dialogs.values = {"5"};
    rig.station.change_total_cycles();
    EXPECT_EQ(rig.p.r.total_cycle, 3);
    EXPECT_TRUE(rig.dialogs.value_requests.empty());
}

TEST(StationCommands, WeightDocumentNumberIsAskedAndKeptUnlessCancelled) {
    StationRig rig;
    rig.edit([](ProcessState& p) { p.r.weight_doc = "WZ/1/2024"; });
    rig.dialogs.values = {"WZ/99/2024"};
    rig.station.change_weight_doc();
    EXPECT_EQ(rig.dialogs.value_requests.at(0).prompt, "Podaj numer dokumentu WZ:");
    EXPECT_EQ(rig.dialogs.value_requests.at(0).initial, "WZ/1/2024");
    EXPECT_EQ(rig.p.r.weight_doc, "WZ/99/2024");
    rig.station.change_weight_doc();
    EXPECT_EQ(rig.p.r.weight_doc, "WZ/99/2024");
}

TEST(StationCommands, ShownCycleMovesWithinTheProcess) {
    StationRig rig;
    rig.set_cycles(3);
    rig.edit([](ProcessState& p) { p.r.curr_cycle = 3; });
    rig.station.show_next_cycle();  // following the current cycle: fixed on it, not moved
    EXPECT_EQ(rig.p.r.view_cycle, 3);
    EXPECT_FALSE(rig.station.showing_current_cycle());
    rig.station.show_previous_cycle();
    rig.station.show_previous_cycle();
    rig.station.show_previous_cycle();
    EXPECT_EQ(rig.p.r.view_cycle, 1);
    EXPECT_EQ(rig.display.last_view_cycle, 1);
    rig.station.show_current_cycle();
    EXPECT_EQ(rig.p.r.view_cycle, 0);
    EXPECT_TRUE(rig.station.showing_current_cycle());
    EXPECT_EQ(rig.display.last_view_cycle, 0);
}

}  // namespace
}  // namespace wazenie
