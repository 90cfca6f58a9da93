#include "comm/meter_frames.h"

#include "comm/exchange_log.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out += static_cast<char>(v);
    }
    return out;
}

TEST(Crc16, PublishedCheckValues) {
    EXPECT_EQ(crc16("123456789"), 0x4B37);
    EXPECT_EQ(crc16_bytes("123456789"), bytes({0x37, 0x4B}));
    EXPECT_EQ(crc16_bytes("00000"), bytes({0x7F, 0x1F}));
    EXPECT_EQ(crc16(""), 0xFFFF);
}

TEST(RequestFrame, KeywordScaleAndSemicolonOnly) {
    EXPECT_EQ(request_frame(3, CP_MSG_WEIGHT_QUESTION), "A3;");
    EXPECT_EQ(request_frame(1, CP_MSG_START), "STA1;");
    EXPECT_EQ(request_frame(2, CP_MSG_STOP), bytes({0x53, 0x54, 0x4F, 0x32, 0x3B}));
    EXPECT_EQ(request_frame(2, CP_MSG_PAUSE), "PAU2;");
    EXPECT_EQ(request_frame(2, CP_MSG_TARE), "TAR2;");
    EXPECT_EQ(request_frame(2, CP_MSG_ZERO), "ZER2;");
    EXPECT_EQ(request_frame(2, CP_MSG_RECIPE), "");
    EXPECT_EQ(request_frame(2, 0), "");
    EXPECT_EQ(request_frame(2, 8), "");
}

TEST(RecipeMassDigits, ShortestTextWithoutPointsPaddedToFive) {
    EXPECT_EQ(recipe_mass_digits(250), "00250");
    EXPECT_EQ(recipe_mass_digits(100), "00100");
    EXPECT_EQ(recipe_mass_digits(12.5), "00125");
    EXPECT_EQ(recipe_mass_digits(0), "00000");
    EXPECT_EQ(recipe_mass_digits(654321), "654321");
}

TEST(RecipeMassDigits, FixedPointWithTheMetersDecimals) {
    EXPECT_EQ(recipe_mass_digits(100, 1), "01000");
    EXPECT_EQ(recipe_mass_digits(2, 2), "00200");
    EXPECT_EQ(recipe_mass_digits(12.5, 2), "01250");
    EXPECT_EQ(recipe_mass_digits(0.125, 2), "00013");
    EXPECT_EQ(recipe_mass_digits(12.5, 0), "00013");
    EXPECT_EQ(recipe_mass_digits(0, 3), "00000");
    EXPECT_EQ(recipe_mass_digits(12.5, std::nullopt), "00125");
}

class RecipeFrameTest : public ::testing::Test {
protected:
    ProcessState p;
    void SetUp() override {
        p.r.total_cycle = 3;
        p.w[2].max_material = 2;
        p.w[2].curr_cycle = 1;
        p.w[2].m[1].recipe_weight_c1 = 250;
        p.w[2].m[2].recipe_weight_c1 = 100;
        p.w[2].m[2].recipe_weight_clast = -20;
    }
};

TEST_F(RecipeFrameTest, HeaderTwoMassesAndFiveZeroFrames) {
    EXPECT_EQ(recipe_frame(p, 2, 0), "REC2;");
    EXPECT_EQ(recipe_frame(p, 2, 1), "00250" + crc16_bytes("00250") + ";");
    EXPECT_EQ(recipe_frame(p, 2, 2), "00100" + crc16_bytes("00100") + ";");
    for (int part = 3; part <= 7; ++part) {
        EXPECT_EQ(recipe_frame(p, 2, part), "00000" + bytes({0x7F, 0x1F, 0x3B})) << part;
    }
    EXPECT_EQ(recipe_frame(p, 2, 8), "");
    EXPECT_EQ(recipe_frame(p, 2, -1), "");
}

TEST_F(RecipeFrameTest, AScaleWithMeterDecimalsSendsFixedPoint) {
    p.w[2].meter_decimals = 1;
    EXPECT_EQ(recipe_frame(p, 2, 1), "02500" + crc16_bytes("02500") + ";");
    EXPECT_EQ(recipe_frame(p, 2, 2), "01000" + crc16_bytes("01000") + ";");
    EXPECT_EQ(recipe_frame(p, 2, 7), "00000" + bytes({0x7F, 0x1F, 0x3B}));
    p.w[2].meter_decimals = 2;
    p.w[2].m[2].recipe_weight_c1 = 2;
    EXPECT_EQ(recipe_frame(p, 2, 2), "00200" + crc16_bytes("00200") + ";");
}

TEST_F(RecipeFrameTest, LastCycleAddsTheCorrection) {
    p.w[2].curr_cycle = 3;
    EXPECT_EQ(recipe_frame(p, 2, 2).substr(0, 5), "00080");
    EXPECT_EQ(recipe_frame(p, 2, 1).substr(0, 5), "00250");
}

TEST(WeightAnswerFrame, CheckSumOfTheFirstElevenBytes) {
    const std::string frame = weight_answer_frame(1, 0x11, "    100.0");
    ASSERT_EQ(frame.size(), 13u);
    EXPECT_EQ(crc16(frame.substr(0, 11)), 0x4C7F);
    EXPECT_EQ(frame.substr(11), bytes({0x7F, 0x4C}));
}

TEST(StatusByte, ThreeFieldsBothWays) {
    const StatusBits material_running = decode_status(0x11);
    EXPECT_EQ(material_running.b03, 1);
    EXPECT_EQ(material_running.b45, 1);
    EXPECT_EQ(material_running.b67, 0);
    const StatusBits high = decode_status(0xE8);
    EXPECT_EQ(high.b03, 8);
    EXPECT_EQ(high.b45, 2);
    EXPECT_EQ(high.b67, 3);
    EXPECT_EQ(encode_status({8, 2, 3}), 0xE8);
    EXPECT_EQ(encode_status({7, 1, 0}), 0x17);
}

double mass_of(const std::string& field) {
    const Result<double> r = parse_mass(weight_answer_frame(1, 0x11, field));
    EXPECT_TRUE(r.ok()) << field << ": " << (r.ok() ? "" : r.error().what);
    return r.ok() ? *r : -999;
}

std::string mass_error(const std::string& frame) {
    const Result<double> r = parse_mass(frame);
    EXPECT_FALSE(r.ok()) << frame;
    return r.ok() ? "" : r.error().what;
}

TEST(ParseMass, SignsBlanksPointsAndCommas) {
    EXPECT_DOUBLE_EQ(mass_of("    100.0"), 100.0);
    EXPECT_DOUBLE_EQ(mass_of("   +12.50"), 12.5);
    EXPECT_DOUBLE_EQ(mass_of("  -0,5   "), -0.5);
    EXPECT_DOUBLE_EQ(mass_of("        7"), 7);
    EXPECT_DOUBLE_EQ(mass_of("      ,5 "), 0.5);
}

TEST(ParseMass, RejectionsQuoteTheWholeFrame) {
    EXPECT_EQ(mass_error("1\x11  100.0"), "za krótka masa w ciągu: \"1\x11  100.0\"");
    const std::string letter = weight_answer_frame(1, 0x11, "    1x0.0");
    EXPECT_EQ(mass_error(letter), "nieprawidłowy znak w masie: \"" + frame_text(letter) + "\"");
    for (const char* field : {"         ", "  1.0.0  ", "   1-0   ", "   +-1   ", "    -    "}) {
        const std::string frame = weight_answer_frame(1, 0x11, field);
        EXPECT_EQ(mass_error(frame), "nieprawidłowa masa w ciągu: \"" + frame_text(frame) + "\"") << field;
    }
}

}  // namespace
}  // namespace wazenie
