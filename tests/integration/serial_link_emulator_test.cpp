#include <functional>

#include "platform/qt_serial_link.h"
#include "pty_bridge.h"
#include "qt/event_wait.h"
#include "station/line_on_fakes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "test_integration";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

// The station's QtSerialLink and line exchange on one end of the line, meter-emulator on the other.
class LineTest : public ::testing::Test {
protected:
    std::vector<std::string> link_errors;
    PtyBridge bridge;
    QtSerialLink link{[this](const std::string& text) { link_errors.push_back(text); }};
    LineOnFakes<> fakes{link};
    ProcessState& p = fakes.p;
    ExchangeLog& log = fakes.log;
    RecordingSink& sink = fakes.sink;
    LineExchange& exchange = fakes.exchange;
    QProcess emulator;

    static void SetUpTestSuite() { application(); }

    void start(QStringList options) {
        ASSERT_TRUE(bridge.ok());
        options << QString::fromStdString(bridge.meter_device());
        emulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        emulator.start(METER_EMULATOR, options);
        ASSERT_TRUE(emulator.waitForStarted(5000));
        ASSERT_TRUE(wait_for([&] { return emulator.canReadLine(); }, 10000))
            << "emulator did not open its port";
        ASSERT_TRUE(link.open(bridge.station_device(), 9600));
        link.on_bytes_arrived([this] { exchange.receive_bytes(); });
    }

    void TearDown() override {
        link.close();
        if (emulator.state() != QProcess::NotRunning) {
            emulator.kill();
            emulator.waitForFinished(5000);
        }
    }

    bool ask_weight(int scale) {
        p.r.cp_weight_num = scale;
        p.r.cp_msg = CP_MSG_WEIGHT_QUESTION;
        const std::size_t before = sink.weights.size();
        exchange.send_message(scale, CP_MSG_WEIGHT_QUESTION);
        return wait_for([&] { return sink.weights.size() > before; }, 3000);
    }

    bool command(int scale, int kind) {
        p.cpq.status = command_status::SEND;
        p.cpq.msg = kind;
        p.cpq.weight_num = scale;
        const std::size_t before = sink.acks.size();
        exchange.send_message(scale, kind);
        return wait_for([&] { return sink.acks.size() > before; }, 3000);
    }

    // The eight frames of a recipe transfer, as the main loop sends them.
    bool send_recipe(int scale) {
        for (int part = 0; part < 7; ++part) {
            p.cpq.rec_part = part;
            exchange.send_message(scale, CP_MSG_RECIPE);
        }
        p.cpq.rec_part = 7;
        return command(scale, CP_MSG_RECIPE);
    }

    bool logged(const std::string& part) const {
        for (const auto& line : log.lines()) {
            if (line.find(part) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(LineTest, WeightQuestionAndAnswerCrossTheLine) {
    start({"--scales", "1,2"});
    ASSERT_TRUE(ask_weight(2));
    EXPECT_EQ(sink.weights.back(), (WeightAnswer{2, 0, 0, 0, 0.0}));
    EXPECT_TRUE(logged(" >> A2;"));
    EXPECT_TRUE(logged(" << 2#        0"));
    EXPECT_TRUE(logged("(b03=0; b45=0; b67=0)"));
    EXPECT_EQ(p.r.cp_status, line_status::RECEIVED);
}

TEST_F(LineTest, PortWithoutModemLinesOpensAndSaysSoOnce) {
    start({});
    ASSERT_EQ(link_errors.size(), 1u);
    EXPECT_NE(link_errors[0].find("DTR/RTS"), std::string::npos);
    ASSERT_TRUE(ask_weight(1));
    EXPECT_EQ(link_errors.size(), 1u);
}

TEST_F(LineTest, RecipeAcknowledgedThenTheMeterDosesItInOrder) {
    // Readings chosen so that no answer's check sum holds a terminator byte, which would cut it.
    start({"--scales", "3", "--decimals", "0,0,1,0", "--rate", "4", "--empty-rate", "2"});
    p.w[3].max_material = 2;
    p.w[3].m[1].recipe_weight_c1 = 10;  // digits 00010, read with one decimal: 1.0 kg
    p.w[3].m[2].recipe_weight_c1 = 70;
    ASSERT_TRUE(send_recipe(3));
    EXPECT_EQ(sink.acks.back(), (Acknowledgement{'P', 3}));
    ASSERT_TRUE(command(3, CP_MSG_START));
    const std::vector<WeightAnswer> expected = {
        {3, 1, 1, 0, 0.0}, {3, 1, 1, 0, 1.0}, {3, 2, 1, 0, 1.0}, {3, 2, 1, 0, 5.0}, {3, 2, 1, 0, 8.0},
        {3, 8, 0, 0, 8.0}, {3, 8, 0, 0, 6.0}, {3, 8, 0, 0, 4.0}, {3, 8, 0, 0, 2.0}, {3, 8, 0, 0, 0.0},
        {3, 8, 0, 0, 0.0}, {3, 8, 0, 0, 0.0}, {3, 0, 0, 0, 0.0}, {3, 0, 0, 0, 0.0}};
    std::vector<WeightAnswer> seen;
    for (std::size_t i = 0; i < expected.size() && ask_weight(3); ++i) {
        seen.push_back(sink.weights.back());
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(LineTest, RecipeFrameWithABadCheckSumIsRefused) {
    start({"--scales", "1"});
    p.cpq = {command_status::SEND, CP_MSG_RECIPE, 0, 1, false, 0};
    link.write("REC1;");
    link.write("00100xx;");
    for (int part = 2; part <= 7; ++part) {
        link.write("00000" + crc16_bytes("00000") + ";");
    }
    ASSERT_TRUE(wait_for([&] { return !sink.acks.empty(); }));
    EXPECT_EQ(sink.acks.back(), (Acknowledgement{'W', 1}));
    EXPECT_TRUE(logged("odpowiedź: transmisja błędna"));
}

TEST_F(LineTest, SplitAnswersAreReassembled) {
    start({"--split", "1"});
    for (int scale = 1; scale <= 4; ++scale) {
        ASSERT_TRUE(ask_weight(scale)) << scale;
        EXPECT_EQ(sink.weights.back().scale, scale);
    }
    EXPECT_TRUE(command(2, CP_MSG_STOP));
}

TEST_F(LineTest, FaultsReachTheLogAndTheLineGoesOn) {
    start({"--bad-crc", "2", "--wrong-scale", "3", "--garbage", "5"});
    for (int i = 0; i < 10; ++i) {
        const std::size_t lines = log.lines().size();
        exchange.send_message(1, CP_MSG_WEIGHT_QUESTION);
        p.r.cp_weight_num = 1;
        wait_for([&] { return log.lines().size() > lines + 1 && p.r.cp_status != line_status::SEND; }, 2000);
    }
    EXPECT_TRUE(logged("odczytano błędne CRC; waga:1"));
    EXPECT_TRUE(logged("odpowiedź od niewłaściwej wagi"));
    EXPECT_FALSE(sink.weights.empty());
}

TEST_F(LineTest, DeadScaleNeverAnswers) {
    start({"--dead", "2"});
    EXPECT_FALSE(ask_weight(2));
    EXPECT_EQ(p.r.cp_status, line_status::SEND);
    EXPECT_TRUE(ask_weight(1));
}

}  // namespace
}  // namespace wazenie::testing
