#include "comm/exchange_log.h"

#include "comm/meter_frames.h"
#include "fakes/fake_clock.h"
#include "storage/date_time.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

class ExchangeLogTest : public ::testing::Test {
protected:
    testing::FakeClock clock;
    ExchangeLog log{clock};
    void SetUp() override { clock.time = *make_date_time({2024, 3, 5, 14, 3, 27, 512}); }
};

TEST_F(ExchangeLogTest, TimeAndMarkOfEveryCode) {
    log.log_line(log_code::SENT, "A1;");
    log.log_line(log_code::RECEIVED, "P1");
    log.log_line(log_code::ERROR, "timeout; waga:1");
    log.log_line(log_code::NOTE, "pauza włączona");
    log.log_line(0, "bez znaku");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{
                               "14-03-27.512 >> A1;", "14-03-27.512 << P1", "14-03-27.512 !! timeout; waga:1",
                               "14-03-27.512 ?? pauza włączona", "14-03-27.512bez znaku"}));
}

TEST_F(ExchangeLogTest, WeightAnswerDecoratedWithItsStatusBits) {
    const std::string frame = weight_answer_frame(1, 0x11, "    100.0");
    log.log_line(log_code::RECEIVED, frame);
    EXPECT_EQ(log.lines()[0], "14-03-27.512 << " + frame_text(frame) + " (b03=1; b45=1; b67=0)");
}

TEST_F(ExchangeLogTest, ZeroStatusByteShownAsHash) {
    const std::string frame = weight_answer_frame(2, 0x00, "      0.0");
    log.log_line(log_code::RECEIVED, frame);
    std::string shown = frame;
    shown[1] = '#';
    EXPECT_EQ(log.lines()[0], "14-03-27.512 << " + frame_text(shown) + " (b03=0; b45=0; b67=0)");
    log.log_line(log_code::RECEIVED, std::string("1\0", 2));
    EXPECT_EQ(log.lines()[1].size(), 18u);
}

TEST_F(ExchangeLogTest, DecorationFromElevenBytesOnly) {
    log.log_line(log_code::RECEIVED,
                 "1\xE8"
                 "34567890");
    log.log_line(log_code::RECEIVED,
                 "1\xE8"
                 "345678901");
    EXPECT_EQ(log.lines()[0].find("(b03"), std::string::npos);
    EXPECT_NE(log.lines()[1].find(" (b03=8; b45=2; b67=3)"), std::string::npos);
}

TEST_F(ExchangeLogTest, HighBytesShownAsWindows1250Characters) {
    log.log_line(log_code::SENT, std::string("00250") + "\xA5\x3B;");
    EXPECT_EQ(log.lines()[0], "14-03-27.512 >> 00250Ą;;");
}

TEST_F(ExchangeLogTest, TheLineAfter2001ClearsTheLog) {
    int cleared = 0;
    std::vector<std::string> seen;
    log.add_observer({[&](const std::string& line) { seen.push_back(line); }, [&] { ++cleared; }});
    for (int i = 1; i <= 2001; ++i) {
        log.log_line(log_code::ERROR, std::to_string(i));
    }
    EXPECT_EQ(log.lines().size(), 2001u);
    EXPECT_EQ(cleared, 0);
    log.log_line(log_code::ERROR, "2002");
    EXPECT_EQ(log.lines(), std::vector<std::string>{"14-03-27.512 !! 2002"});
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(seen.size(), 2002u);
    EXPECT_EQ(seen.back(), log.lines().back());
    log.clear();
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(cleared, 2);
}

}  // namespace
}  // namespace wazenie
