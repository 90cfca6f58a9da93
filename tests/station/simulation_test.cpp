#include "comm/simulation.h"

#include "station/line_exchange_fixture.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

class SimulationTest : public ExchangeTest {
protected:
    Simulation sim{p, [this](const std::string& frame) { exchange.handle_answer(frame); }};

    void SetUp() override {
        sim.scales[2].auto_answer = true;
        sim.scales[2].delta = 5;
        p.w[2].recipe_total_weight_c1 = 100;
    }
    // One weight question to scale 2 answered by the timer; returns the mass handed on.
    double question(int scale = 2) {
        ask_weight(scale);
        sink.weights.clear();
        sim.auto_answer_tick();
        if (sink.weights.empty()) {
            return -999;
        }
        // The sink stands in for the main loop, which records the reading.
        p.w[scale].curr_weight[p.w[scale].curr_cycle] = sink.weights[0].mass;
        return sink.weights[0].mass;
    }
};

TEST_F(SimulationTest, ReadingGrowsByDeltaUpToTheCycleMass) {
    p.w[2].curr_weight[1] = 40;
    EXPECT_EQ(question(), 45);
    EXPECT_EQ(sink.weights[0].b03, 1);
    EXPECT_EQ(sink.weights[0].b45, 1);
    p.w[2].curr_weight[1] = 98;
    EXPECT_EQ(question(), 103);
    EXPECT_EQ(question(), 103);
    EXPECT_EQ(question(), 103);
}

TEST_F(SimulationTest, OpenTankFallsByATenthThenStays) {
    p.w[2].curr_weight[1] = 103;
    sim.set_tank_open(2, true);
    EXPECT_EQ(sim.scales[2].open_step, 10);
    std::vector<double> seen;
    for (int i = 0; i < 12; ++i) {
        seen.push_back(question());
        EXPECT_EQ(sink.weights[0].b03, 8);
        EXPECT_EQ(sink.weights[0].b45, 0);
    }
    EXPECT_EQ(seen, (std::vector<double>{93, 83, 73, 63, 53, 43, 33, 23, 13, 3, -7, -7}));
}

TEST_F(SimulationTest, EmptyingStepAtLeastOneAndSetOnRelease) {
    p.w[2].curr_weight[1] = 7;
    sim.set_tank_open(2, true);
    EXPECT_EQ(sim.scales[2].open_step, 1);
    p.w[2].curr_weight[1] = 250.5;  // halves go to the even neighbour: 250
    sim.set_tank_open(2, false);
    EXPECT_EQ(sim.scales[2].open_step, 25);
    EXPECT_FALSE(sim.scales[2].tank_open);
}

TEST_F(SimulationTest, SwitchedOffScaleIsNotAnswered) {
    sim.scales[2].auto_answer = false;
    EXPECT_EQ(question(), -999);
    EXPECT_EQ(p.r.cp_status, line_status::SEND);
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(SimulationTest, NothingAwaitedNothingAnswered) {
    p.r.cp_weight_num = 2;
    p.r.cp_msg = CP_MSG_WEIGHT_QUESTION;
    p.r.cp_status = line_status::RECEIVED;
    sim.auto_answer_tick();
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(SimulationTest, CommandsAcknowledgedForThePendingScaleOnce) {
    p.r.cp_weight_num = 2;
    await_ack(3, CP_MSG_RECIPE);
    p.r.cp_msg = CP_MSG_RECIPE;
    sim.auto_answer_tick();
    sim.auto_answer_tick();
    EXPECT_EQ(sink.acks, (std::vector<Acknowledgement>{{'P', 3}}));
}

TEST_F(SimulationTest, FirstSevenRecipeFramesLeaveNothingToAnswer) {
    p.r.cp_weight_num = 2;
    p.r.cp_msg = CP_MSG_RECIPE;
    p.r.cp_status = line_status::RECEIVED;  // what the main loop sets after frames 0..6
    sim.auto_answer_tick();
    EXPECT_TRUE(sink.acks.empty());
}

TEST_F(SimulationTest, ManualWeightAnswerFromTheAskedScaleOnly) {
    sim.manual.x = 3;
    sim.manual.b03 = 8;
    ask_weight(3);
    sim.receive_manual_weight();
    ASSERT_EQ(sink.weights.size(), 1u);
    EXPECT_EQ(sink.weights[0], (WeightAnswer{3, 8, 0, 0, 100.0}));
    ask_weight(1);
    sim.receive_manual_weight();
    EXPECT_EQ(errors(), std::vector<std::string>{"odpowiedź od niewłaściwej wagi"});
}

TEST_F(SimulationTest, ManualShortMassGivesAShortFrame) {
    sim.manual.weight = "100";
    ask_weight(1);
    sim.receive_manual_weight();
    EXPECT_EQ(errors(), std::vector<std::string>{"niewłaściwa długość danych (7)"});
}

TEST_F(SimulationTest, ManualTextAsItStands) {
    ask_weight(1);
    sim.receive_manual_text();
    EXPECT_EQ(errors(), std::vector<std::string>{"błędny numer wagi: \"P\""});
    await_ack(1, CP_MSG_START);
    sim.receive_manual_text();
    EXPECT_EQ(sink.acks, (std::vector<Acknowledgement>{{'P', 1}}));
}

TEST_F(SimulationTest, AutoTankOpensAtTheCycleMassAndClosesWhenCompleted) {
    sim.auto_tank = true;
    p.w[2].curr_cycle_status = cycle_status::STARTED;
    p.w[2].curr_weight[1] = 100;
    question();
    EXPECT_TRUE(sim.scales[2].tank_open);
    EXPECT_EQ(sink.weights[0].b03, 8);
    EXPECT_EQ(sink.weights[0].mass, 90);
    p.w[2].curr_cycle_status = cycle_status::COMPLETED;
    question();
    EXPECT_FALSE(sim.scales[2].tank_open);
    EXPECT_EQ(sink.weights[0].b45, 0);
    EXPECT_EQ(sink.weights[0].b03, 0);
    EXPECT_EQ(question(), 90);  // a completed tank stays steady until its next cycle
    p.w[2].curr_cycle = 2;
    p.w[2].curr_cycle_status = cycle_status::NOT_STARTED;
    EXPECT_EQ(question(), 5);
}

TEST_F(SimulationTest, AutoTankClosesWhenTheCycleMovedOnWhileItWasOpen) {
    sim.auto_tank = true;
    p.w[2].curr_cycle_status = cycle_status::STARTED;
    p.w[2].curr_weight[1] = 100;
    question();
    ASSERT_TRUE(sim.scales[2].tank_open);
    // The cycle advance reached the scale before it was asked again while completed.
    p.w[2].curr_cycle = 2;
    p.w[2].curr_cycle_status = cycle_status::NOT_STARTED;
    EXPECT_EQ(question(), 5);
    EXPECT_FALSE(sim.scales[2].tank_open);
    EXPECT_EQ(sink.weights[0].b03, 1);
}

TEST_F(SimulationTest, QuestionToNoScaleIsIgnored) {
    ask_weight(0);
    sim.auto_answer_tick();
    EXPECT_TRUE(log.lines().empty());
}

TEST(SimulationHelp, HelpTextLines) {
    const auto& lines = simulation_help_lines();
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines.front(), "Tryb symulacji");
    EXPECT_EQ(lines[6],
              "1.\tWciśnij przycisk [Parametry naważania] w prawym górnym rogu ekranu; wybierz recepturę i ");
    EXPECT_EQ(lines.back(), "odważając masę równą sumie wszystkich mas do odważenia na danej wadze");
}

}  // namespace
}  // namespace wazenie::testing
