#pragma once

#include <string>

#include "comm/answer_decoder.h"
#include "comm/answer_sink.h"
#include "comm/exchange_log.h"
#include "comm/frame_splitter.h"
#include "comm/meter_frames.h"
#include "comm/serial_link.h"
#include "core/process_records.h"

namespace wazenie {

// The station's side of the meters' protocol: sends request frames, reassembles answers from the
// bytes that arrive and checks each one before it reaches the process. Runs on the event-loop thread.
class MeterProtocol {
public:
    MeterProtocol(ProcessState& p, SerialLink& link, ExchangeLog& log, AnswerSink& sink)
        : p_(p), link_(link), log_(log), sink_(sink) {}

    // Writes the request (for CP_MSG_RECIPE frame p.cpq.rec_part) and sets r.cp_status = SEND and
    // r.cp_time = r.cp_tick. A short or refused write is logged and counted as sent all the same,
    // so that the time-out, not a resend every tick, deals with a dead port.
    void send_message(int scale, int kind);
    // Reads what the link holds and hands every completed frame to handle_answer.
    void receive_bytes();
    // Checks one answer frame (without its terminator) and hands it to the sink. Every frame sets
    // r.cp_status = RECEIVED and r.cp_time = r.cp_tick, whatever it holds.
    void handle_answer(const std::string& frame);
    // The bytes of an answer not yet ended; a time-out of the request on the line drops them.
    const std::string& received() const { return splitter_.pending(); }
    void clear_received() { splitter_.clear(); }

private:
    void take_bytes(const std::string& bytes);
    void take(const Rejection& rejection, int awaited_scale);
    void take(const Acknowledgement& ack, int awaited_scale);
    void take(const Reading& reading, int awaited_scale);
    void answered(int scale);
    void error(const std::string& text);

    ProcessState& p_;
    SerialLink& link_;
    ExchangeLog& log_;
    AnswerSink& sink_;
    FrameSplitter splitter_;
    bool receiving_ = false;
    bool read_again_ = false;
};

}  // namespace wazenie
