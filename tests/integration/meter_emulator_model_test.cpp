#include <random>

#include "comm/meter_frames.h"
#include "emulator.h"
#include "fault_plan.h"
#include "in_flight.h"
#include "meter.h"
#include "request_reader.h"

#include <gtest/gtest.h>

namespace wazenie::emulator {
namespace {

std::string mass_frame(const std::string& digits) {
    return digits + crc16_bytes(digits) + ";";
}

// Digits whose check sum holds a ";", which must not end the frame.
std::string digits_with_semicolon_in_check_sum(int byte) {
    for (int n = 0; n < 100000; ++n) {
        std::string digits = std::to_string(n);
        digits.insert(0, 5 - std::min<std::size_t>(5, digits.size()), '0');
        if (crc16_bytes(digits)[static_cast<std::size_t>(byte)] == ';') {
            return digits;
        }
    }
    return {};
}

TEST(RequestReader, CommandsAcrossReads) {
    RequestReader reader;
    EXPECT_TRUE(reader.take("ST").empty());
    const auto requests = reader.take("A1;ZER4;XYZ1;");
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2].kind, Request::JUNK);
    EXPECT_EQ(requests[0].kind, Request::COMMAND);
    EXPECT_EQ(requests[0].message, CP_MSG_START);
    EXPECT_EQ(requests[0].bytes, "STA1");
    EXPECT_EQ(requests[1].message, CP_MSG_ZERO);
    EXPECT_EQ(requests[1].scale, 4);
}

TEST(RequestReader, SemicolonInACheckSumDoesNotEndTheMassFrame) {
    for (int byte : {0, 1}) {
        const std::string digits = digits_with_semicolon_in_check_sum(byte);
        ASSERT_FALSE(digits.empty());
        RequestReader reader;
        std::string stream = "REC2;" + mass_frame(digits);
        for (int i = 0; i < 6; ++i) {
            stream += mass_frame("00000");
        }
        const auto requests = reader.take(stream + "A2;");
        ASSERT_EQ(requests.size(), 9u) << digits;
        EXPECT_EQ(requests[1].digits, digits);
        EXPECT_TRUE(requests[1].check_ok);
        EXPECT_EQ(requests[8].message, CP_MSG_WEIGHT_QUESTION);
    }
}

TEST(RequestReader, CommandInsteadOfAMassFrameEndsTheTransfer) {
    RequestReader reader;
    const auto requests = reader.take("REC1;" + mass_frame("00100") + "00100xy;STA1;A1;");
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_FALSE(requests[2].check_ok);
    EXPECT_EQ(requests[3].message, CP_MSG_START);
    EXPECT_EQ(requests[4].kind, Request::COMMAND);
}

Meter::Config config(int scale, int decimals) {
    Meter::Config c;
    c.scale = scale;
    c.decimals = decimals;
    c.rate = 30;
    return c;
}

TEST(Meter, ReadsTheStationsDigitsWhenItsDecimalsMatchTheSetting) {
    for (int decimals = 0; decimals <= 3; ++decimals) {
        Meter meter(config(1, decimals));
        meter.set_recipe(
            {recipe_mass_digits(100, decimals), recipe_mass_digits(2, decimals), "", "", "", "", ""});
        EXPECT_DOUBLE_EQ(meter.target(1), 100) << decimals;
        EXPECT_DOUBLE_EQ(meter.target(2), 2) << decimals;
    }
}

TEST(Meter, StoppedEmptyTankUntilStarted) {
    Meter meter(config(1, 0));
    EXPECT_EQ(meter.weight_answer(), weight_answer_frame(1, 0x00, "        0"));
    meter.set_recipe({"00050", "", "", "", "", "", ""});
    EXPECT_EQ(meter.weight_answer()[1], '\0');
    meter.command(CP_MSG_START);
    EXPECT_EQ(meter.weight_answer()[1], '\x11');
}

TEST(Meter, PauseHoldsTheReadingAndStartResumes) {
    Meter meter(config(2, 0));
    meter.set_recipe({"00100", "", "", "", "", "", ""});
    meter.command(CP_MSG_START);
    meter.weight_answer();
    meter.command(CP_MSG_PAUSE);
    EXPECT_EQ(meter.weight_answer(), weight_answer_frame(2, 0x21, "       30"));
    EXPECT_EQ(meter.weight_answer(), weight_answer_frame(2, 0x21, "       30"));
    meter.command(CP_MSG_START);
    EXPECT_EQ(meter.weight_answer(), weight_answer_frame(2, 0x11, "       30"));
    EXPECT_EQ(meter.reading(), 60);
}

TEST(Meter, SkipsMaterialsWithNothingToDose) {
    Meter meter(config(1, 2));
    meter.set_recipe({"00000", "1250", "", "", "", "", ""});
    EXPECT_DOUBLE_EQ(meter.target(2), 12.5);
    meter.command(CP_MSG_START);
    EXPECT_EQ(static_cast<int>(meter.weight_answer()[1]), 0x12);
}

TEST(Meter, EmptyTankReachesTheStationOnEveryScaleAndPrecision) {
    for (int scale = 1; scale <= 4; ++scale) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            Meter meter(config(scale, decimals));
            meter.set_recipe({"00010", "", "", "", "", "", ""});
            meter.command(CP_MSG_START);
            int empty_answers = 0;
            for (int i = 0; i < 20; ++i) {
                const std::string answer = meter.weight_answer();
                ASSERT_EQ(answer.find_first_of("\r\n;"), std::string::npos) << scale << " " << decimals;
                empty_answers += answer[1] == 0x08 && meter.reading() == 0 ? 1 : 0;
            }
            EXPECT_GE(empty_answers, 2);
        }
    }
}

TEST(Meter, KeepsEmptyingUntilTheStationCanHaveSeenTheTankEmpty) {
    Meter meter(config(1, 0));
    meter.set_recipe({"00030", "", "", "", "", "", ""});
    meter.command(CP_MSG_START);
    while (meter.weight_answer()[1] != 0x08 || meter.reading() > 0) {
    }
    for (int lost = 0; lost < 5; ++lost) {
        EXPECT_EQ(meter.weight_answer(false)[1], 0x08);
    }
    EXPECT_EQ(meter.weight_answer()[1], 0x08);
    EXPECT_EQ(meter.weight_answer()[1], 0x08);
    EXPECT_EQ(meter.weight_answer()[1], 0x08);
    EXPECT_EQ(meter.weight_answer()[1], 0x00);
}

TEST(Meter, StartDuringEmptyingDosesOnceTheTankIsEmpty) {
    Meter meter(config(1, 0));
    meter.set_recipe({"00030", "", "", "", "", "", ""});
    meter.command(CP_MSG_START);
    while (meter.weight_answer()[1] != 0x08) {
    }
    meter.command(CP_MSG_START);
    EXPECT_EQ(meter.weight_answer()[1], 0x08);
    while (meter.reading() > 0) {
        EXPECT_EQ(meter.weight_answer()[1], 0x08);
    }
    EXPECT_EQ(meter.weight_answer()[1], 0x08);
    EXPECT_EQ(meter.weight_answer()[1], 0x11);
    meter.command(CP_MSG_STOP);
    meter.command(CP_MSG_START);
    EXPECT_EQ(meter.weight_answer()[1], 0x11);
}

TEST(Meter, CompletedMaterialShownUntilAnIntactAnswerCarriedIt) {
    Meter meter(config(1, 0));
    meter.set_recipe({"00030", "00030", "", "", "", "", ""});
    meter.command(CP_MSG_START);
    EXPECT_EQ(meter.weight_answer(), weight_answer_frame(1, 0x11, "        0"));
    EXPECT_EQ(meter.weight_answer(false), weight_answer_frame(1, 0x11, "       30"));
    EXPECT_EQ(meter.weight_answer(false), weight_answer_frame(1, 0x11, "       30"));
    EXPECT_EQ(meter.weight_answer(), weight_answer_frame(1, 0x11, "       30"));
    EXPECT_EQ(meter.weight_answer(), weight_answer_frame(1, 0x12, "       30"));
}

// Answers until the meter names `material` no more: the reading it moved on from.
double landed_mass(Meter& meter, int material) {
    double shown = 0;
    while (meter.weight_answer()[1] == 0x10 + material) {
        shown = meter.reading();
    }
    return shown;
}

TEST(Meter, MaterialInFlightLandsAfterTheFeedClosesAndTheNextIsDosedOnTop) {
    Meter::Config c = config(1, 2);
    c.in_flight = {4, 0.5};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        c.seed = seed;
        Meter meter(c);
        meter.set_recipe({"10000", "5000", "", "", "", "", ""});
        meter.command(CP_MSG_START);
        const double first = landed_mass(meter, 1);
        EXPECT_GE(first, 103.5);
        EXPECT_LE(first, 104.5);
        const double both = landed_mass(meter, 2);
        EXPECT_GE(both - first, 53.5);
        EXPECT_LE(both - first, 54.5);
        EXPECT_EQ(meter.weight_answer()[1], 0x08);
    }
    c.in_flight = {4, 0};
    Meter exact(c);
    exact.set_recipe({"10000", "", "", "", "", "", ""});
    exact.command(CP_MSG_START);
    EXPECT_DOUBLE_EQ(landed_mass(exact, 1), 104);
}

TEST(InFlight, ScalesWithMassAndOptionalSpread) {
    const auto parsed = parse_in_flight("1:4:0.5,2:12, 4 :0.2");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 3u);
    EXPECT_DOUBLE_EQ(parsed->at(1).noise, 0.5);
    EXPECT_DOUBLE_EQ(parsed->at(2).kg, 12);
    EXPECT_DOUBLE_EQ(parsed->at(4).noise, 0);
    for (const char* bad : {"", "1", "5:4", "1:4,1:2", "1:-4", "1:4:-1", "1:4:1:1", "1:x", "1:4,"}) {
        EXPECT_FALSE(parse_in_flight(bad)) << bad;
    }
}

TEST(FaultRate, EveryNthOrAPercentage) {
    std::mt19937 random(1);
    FaultRate every_third;
    ASSERT_TRUE(every_third.parse("3"));
    std::string hits;
    for (int i = 0; i < 6; ++i) {
        hits += every_third.strikes(random) ? 'x' : '.';
    }
    EXPECT_EQ(hits, "..x..x");
    FaultRate always, never;
    ASSERT_TRUE(always.parse("100%"));
    ASSERT_TRUE(never.parse("0"));
    EXPECT_TRUE(always.strikes(random));
    EXPECT_FALSE(never.strikes(random));
    FaultRate bad;
    EXPECT_FALSE(bad.parse("101%"));
    EXPECT_FALSE(bad.parse("-1"));
    EXPECT_FALSE(bad.parse("often"));
}

TEST(Emulator, AbsentAndDeadScalesStaySilentButTheLineStaysInStep) {
    Emulator::Config c;
    c.meters = {config(1, 0), config(2, 0)};
    c.dead = {2};
    Emulator emulator(c);
    EXPECT_TRUE(emulator.receive("A2;A3;STA2;").empty());
    std::string recipe = "REC2;";
    for (int i = 0; i < 7; ++i) {
        recipe += mass_frame("00000");
    }
    EXPECT_TRUE(emulator.receive(recipe).empty());
    const auto answers = emulator.receive("STA1;");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], std::vector<std::string>{"P1\r"});
}

TEST(Emulator, WrongScaleAndSplitFaults) {
    Emulator::Config c;
    c.meters = {config(1, 0)};
    ASSERT_TRUE(c.faults.wrong_scale.parse("1"));
    ASSERT_TRUE(c.faults.split.parse("1"));
    Emulator emulator(c);
    const auto answers = emulator.receive("A1;");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_GE(answers[0].size(), 2u);
    std::string whole;
    for (const auto& piece : answers[0]) {
        whole += piece;
    }
    EXPECT_EQ(whole, weight_answer_frame(2, 0x00, "        0") + "\r");
}

}  // namespace
}  // namespace wazenie::emulator
