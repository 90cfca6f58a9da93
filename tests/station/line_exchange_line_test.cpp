#include "station/line_exchange_fixture.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

using Sending = ExchangeTest;
using Reassembly = ExchangeTest;

TEST_F(Sending, FullWriteIsLoggedAndAwaitsTheAnswer) {
    p.r.cp_tick = 500;
    p.r.cp_status = line_status::RECEIVED;
    exchange.send_message(3, CP_MSG_WEIGHT_QUESTION);
    EXPECT_EQ(link.written, std::vector<std::string>{"A3;"});
    EXPECT_EQ(p.r.cp_status, line_status::SEND);
    EXPECT_EQ(p.r.cp_time, 500);
    EXPECT_EQ(logged(), std::vector<std::string>{" >> A3;"});
}

TEST_F(Sending, RecipeFrameChosenByThePendingPart) {
    p.w[2].max_material = 1;
    p.w[2].m[1].recipe_weight_c1 = 12.5;
    p.cpq.rec_part = 0;
    exchange.send_message(2, CP_MSG_RECIPE);
    p.cpq.rec_part = 1;
    exchange.send_message(2, CP_MSG_RECIPE);
    ASSERT_EQ(link.written.size(), 2u);
    EXPECT_EQ(link.written[0], "REC2;");
    EXPECT_EQ(link.written[1], "00125" + crc16_bytes("00125") + ";");
}

TEST_F(Sending, UnknownKindSendsNothingAndChangesNothing) {
    p.r.cp_status = line_status::RECEIVED;
    exchange.send_message(1, 9);
    p.cpq.rec_part = 8;
    exchange.send_message(1, CP_MSG_RECIPE);
    EXPECT_TRUE(link.written.empty());
    EXPECT_EQ(p.r.cp_status, line_status::RECEIVED);
    EXPECT_EQ(errors(), (std::vector<std::string>{"błąd wysyłania; nieznany komunikat: 9",
                                                  "błąd wysyłania; nieznany komunikat: 5"}));
}

TEST_F(Sending, ScaleOutsideOneToFourIsRefused) {
    exchange.send_message(0, CP_MSG_RECIPE);
    exchange.send_message(5, CP_MSG_START);
    EXPECT_TRUE(link.written.empty());
    EXPECT_EQ(errors().size(), 2u);
}

TEST_F(Sending, ShortWriteIsLoggedAndCountedAsSentSoTheTimeOutRuns) {
    link.accept_bytes = 2;
    p.r.cp_tick = 40;
    exchange.send_message(1, CP_MSG_START);
    EXPECT_EQ(errors(), std::vector<std::string>{"błąd wysyłania danych: STA1;"});
    EXPECT_EQ(p.r.cp_status, line_status::SEND);
    EXPECT_EQ(p.r.cp_time, 40);
}

TEST_F(Reassembly, AnswerInPiecesIsHandledOnceItsTerminatorArrives) {
    ask_weight(1);
    const std::string frame = weight_answer_frame(1, 0x11, "    100.0");
    link.deliver("");
    link.input = frame.substr(0, 4);
    exchange.receive_bytes();
    link.input = frame.substr(4, 5);
    exchange.receive_bytes();
    EXPECT_TRUE(sink.weights.empty());
    link.input = frame.substr(9) + "\r";
    exchange.receive_bytes();
    EXPECT_EQ(sink.weights.size(), 1u);
    EXPECT_TRUE(exchange.received().empty());
}

TEST_F(Reassembly, LineFeedsIgnoredAndEmptyFramesSkipped) {
    ask_weight(1);
    link.input = "\r\n" + weight_answer_frame(1, 0x11, "    100.0") + "\r\n;;";
    exchange.receive_bytes();
    EXPECT_EQ(sink.weights.size(), 1u);
    EXPECT_EQ(logged().size(), 1u);
}

TEST_F(Reassembly, SeveralFramesInOneRead) {
    await_ack(1, CP_MSG_STOP);
    link.input = "P1;" + weight_answer_frame(2, 0x00, "      0.0") + ";";
    p.r.cp_weight_num = 2;
    exchange.receive_bytes();
    EXPECT_EQ(sink.acks.size(), 1u);
    EXPECT_EQ(sink.weights.size(), 1u);
}

TEST_F(Reassembly, NoiseWithoutTerminatorIsBounded) {
    link.input = std::string(FrameSplitter::kMaxFrame, 'x') + "P";
    exchange.receive_bytes();
    EXPECT_EQ(exchange.received(), "P");
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_EQ(errors()[0], "błędna odpowiedź (brak zakończenia po 255 znakach)");
    link.input = std::string(10 * FrameSplitter::kMaxFrame, 'y');
    exchange.receive_bytes();
    EXPECT_LE(exchange.received().size(), FrameSplitter::kMaxFrame);
}

TEST_F(Reassembly, ReadsPastOneChunkInOneEvent) {
    ask_weight(1);
    link.input = std::string(2000, '\n') + weight_answer_frame(1, 0x11, "    100.0") + ";";
    exchange.receive_bytes();
    EXPECT_EQ(sink.weights.size(), 1u);
}

// A sink that runs a nested event loop may see the next arrival before the current frame is done.
class ReentrantSink : public RecordingSink {
public:
    LineExchange* exchange = nullptr;
    FakeSerialLink* link = nullptr;
    const ExchangeLog* log = nullptr;
    void on_acknowledgement(char verdict, int scale) override {
        RecordingSink::on_acknowledgement(verdict, scale);
        const std::size_t before = log->lines().size();
        link->input += "P2;";
        exchange->receive_bytes();
        EXPECT_EQ(log->lines().size(), before);
    }
};

TEST(ReassemblyNesting, ArrivalDuringAFrameIsReadAfterIt) {
    ScriptedLine<ReentrantSink> line;
    line.sink.exchange = &line.exchange;
    line.sink.link = &line.link;
    line.sink.log = &line.log;
    line.p.cpq.status = command_status::SEND;
    line.p.cpq.weight_num = 1;
    line.link.input = "P1;";
    line.exchange.receive_bytes();
    ASSERT_EQ(line.log.lines().size(), 3u);
    EXPECT_EQ(line.log.lines()[1].substr(12), " << P2");
}

}  // namespace
}  // namespace wazenie::testing
