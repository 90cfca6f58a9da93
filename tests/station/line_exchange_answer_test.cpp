#include "station/line_exchange_fixture.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

using Answers = ExchangeTest;

const std::string kGood1 = weight_answer_frame(1, 0x11, "    100.0");

TEST_F(Answers, EveryFrameFreesTheLineAndIsLoggedFirst) {
    ask_weight(1);
    p.r.cp_tick = 77;
    exchange.handle_answer("zzz");
    EXPECT_EQ(p.r.cp_status, line_status::RECEIVED);
    EXPECT_EQ(p.r.cp_time, 77);
    ASSERT_EQ(logged().size(), 2u);
    EXPECT_EQ(logged()[0], " << zzz");
    EXPECT_EQ(errors(), std::vector<std::string>{"błędny numer wagi: \"z\""});
}

TEST_F(Answers, AcknowledgementOfTheAwaitedScaleCompletesTheCommand) {
    await_ack(2, CP_MSG_START);
    p.w[2].cp_timeout_num = 3;
    exchange.handle_answer("P2");
    EXPECT_EQ(p.cpq.status, command_status::EMPTY);
    EXPECT_EQ(p.w[2].cp_timeout_num, 0);
    EXPECT_EQ(sink.acks, (std::vector<Acknowledgement>{{'P', 2}}));
    EXPECT_TRUE(errors().empty());
}

TEST_F(Answers, RefusalIsLoggedAndHandedOn) {
    await_ack(2, CP_MSG_RECIPE);
    exchange.handle_answer("W2");
    EXPECT_EQ(errors(), std::vector<std::string>{"odpowiedź: transmisja błędna"});
    EXPECT_EQ(sink.acks, (std::vector<Acknowledgement>{{'W', 2}}));
}

// Refusals of a recipe and time-outs of a command use up the same attempts; a scale whose command
// failed every one of them shows as lost.
TEST_F(Answers, RepeatsOfACommandAreCountedTogether) {
    settings.rs_timeout = 10;
    for (int attempt = 1; attempt <= kCommandAttempts; ++attempt) {
        await_ack(2, CP_MSG_RECIPE);
        p.cpq.rec_part = 3;
        if (attempt % 2 == 1) {
            exchange.handle_answer("W2");
        } else {
            EXPECT_FALSE(exchange.time_out(10));
            EXPECT_TRUE(exchange.time_out(11));
        }
        EXPECT_EQ(p.cpq.timeout_num, attempt);
        EXPECT_EQ(p.cpq.rec_part, 0);
        EXPECT_EQ(p.cpq.status, attempt < kCommandAttempts ? command_status::WAITING : command_status::EMPTY);
    }
    EXPECT_TRUE(scale_lost(p, 2));
    EXPECT_FALSE(scale_lost(p, 1));
    EXPECT_EQ(p.w[2].cp_timeout_num, 0);  // its refusals were answers
}

TEST_F(Answers, BadAcknowledgementsDropTheCommand) {
    struct Case {
        std::string frame, error;
    };
    for (const Case& c :
         {Case{"P3", "odpowiedź od niewłaściwej wagi"}, Case{"P2x", "błędna odpowiedź (zła długość)"},
          Case{"", "błędna odpowiedź (zła długość)"}, Case{"PX", "błędny numer wagi: \"X\""},
          Case{"P0", "odpowiedź od niewłaściwej wagi"}, Case{"P9", "odpowiedź od niewłaściwej wagi"}}) {
        log.clear();
        await_ack(2, CP_MSG_START);
        exchange.handle_answer(c.frame);
        EXPECT_EQ(p.cpq.status, command_status::EMPTY) << c.frame;
        EXPECT_EQ(p.r.cp_status, line_status::RECEIVED) << c.frame;
        EXPECT_EQ(errors(), std::vector<std::string>{c.error}) << c.frame;
    }
    EXPECT_TRUE(sink.acks.empty());
}

TEST_F(Answers, AcknowledgementFromAnotherRealScaleStillClearsItsFailures) {
    await_ack(2, CP_MSG_START);
    p.w[3].cp_timeout_num = 4;
    exchange.handle_answer("P3");
    EXPECT_EQ(p.w[3].cp_timeout_num, 0);
}

TEST_F(Answers, ValidWeightAnswerIsDecodedAndClearsFailures) {
    ask_weight(1);
    p.w[1].cp_timeout_num = 2;
    p.cpq.weight_num = 1;
    p.cpq.timeout_num = 3;
    exchange.handle_answer(kGood1);
    EXPECT_EQ(sink.weights, (std::vector<WeightAnswer>{{1, 1, 1, 0, 100.0}}));
    EXPECT_EQ(p.w[1].cp_timeout_num, 0);
    EXPECT_EQ(p.cpq.timeout_num, 0);
    EXPECT_TRUE(errors().empty());
}

TEST_F(Answers, FailuresOfTheCommandScaleOnlyAreCleared) {
    ask_weight(1);
    p.cpq.weight_num = 2;
    p.cpq.timeout_num = 3;
    exchange.handle_answer(kGood1);
    EXPECT_EQ(p.cpq.timeout_num, 3);
}

TEST_F(Answers, WeightAnswerRejections) {
    struct Case {
        std::string frame, error;
    };
    const std::string twelve = kGood1.substr(0, 12);
    for (const Case& c : {Case{weight_answer_frame(2, 0x11, "    100.0"), "odpowiedź od niewłaściwej wagi"},
                          Case{twelve, "niewłaściwa długość danych (12)"},
                          Case{"P1", "błędny numer wagi: \"P\""}, Case{"", "błędny numer wagi: \"\""}}) {
        log.clear();
        ask_weight(1);
        exchange.handle_answer(c.frame);
        EXPECT_EQ(p.r.cp_status, line_status::RECEIVED);
        EXPECT_EQ(errors(), std::vector<std::string>{c.error});
    }
    EXPECT_TRUE(sink.weights.empty());
}

TEST_F(Answers, ScaleDigitZeroNeverMatchesAStationThatAskedNobody) {
    ask_weight(0);
    exchange.handle_answer(weight_answer_frame(0, 0x11, "    100.0"));
    EXPECT_EQ(errors(), std::vector<std::string>{"odpowiedź od niewłaściwej wagi"});
    EXPECT_TRUE(sink.weights.empty());
}

TEST_F(Answers, BadCheckSumCountsAFailureAndClearsTheLine) {
    ask_weight(3);
    std::string frame = weight_answer_frame(3, 0x11, "    100.0");
    frame[12] ^= 0x01;
    link.input = "partial";
    exchange.receive_bytes();
    ASSERT_EQ(exchange.received(), "partial");
    for (int i = 1; i <= 5; ++i) {
        exchange.handle_answer(frame);
        EXPECT_EQ(p.w[3].cp_timeout_num, i);
    }
    EXPECT_EQ(p.r.cp_status, line_status::NONE);
    EXPECT_TRUE(exchange.received().empty());
    EXPECT_EQ(errors().back(), "odczytano błędne CRC; waga:3");
    EXPECT_TRUE(sink.weights.empty());
}

TEST_F(Answers, HighStatusBitsCarryNoMassButClearFailures) {
    ask_weight(1);
    p.w[1].cp_timeout_num = 4;
    exchange.handle_answer(weight_answer_frame(1, 0x40, "  garbage"));
    EXPECT_EQ(sink.weights, (std::vector<WeightAnswer>{{1, 0, 0, 1, 0.0}}));
    EXPECT_EQ(p.w[1].cp_timeout_num, 0);
    EXPECT_TRUE(errors().empty());
}

TEST_F(Answers, UnreadableMassIsLoggedAndHandedOnAsCarryingNothing) {
    ask_weight(1);
    const std::string frame = weight_answer_frame(1, 0x18, "    1x0.0");
    exchange.handle_answer(frame);
    EXPECT_EQ(errors(),
              std::vector<std::string>{"nieprawidłowy znak w masie: \"" + frame_text(frame) + "\""});
    ASSERT_EQ(sink.weights.size(), 1u);
    EXPECT_EQ(sink.weights[0].b67, kUnreadableMassB67);
    EXPECT_EQ(sink.weights[0].b03, 8);
}

}  // namespace
}  // namespace wazenie::testing
