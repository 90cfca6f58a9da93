#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "comm/answer_decoder.h"
#include "comm/exchange_log.h"
#include "comm/frame_splitter.h"
#include "comm/meter_frames.h"
#include "comm/serial_link.h"
#include "core/process_records.h"
#include "station/answer_sink.h"

namespace wazenie {

struct Settings;
class StationView;

// A command is tried at most this many times: time-outs and "W" refusals together.
inline constexpr int kCommandAttempts = 5;

// A scale whose failures in a row (or those of the command it was sent) exceed this is shown as lost.
inline constexpr int kFailuresOfAConnectedScale = 4;
bool scale_lost(const ProcessState& p, int n);

// The station's side of the line: sends the request frames, reassembles the answers from the bytes
// that arrive, reads each one against what is awaited and keeps the exchange's state: what is on the
// line and since when, the time-out, the repeats of a command and every scale's failure count. What
// an answer does to the process is the sink's. Runs on the event-loop thread.
class LineExchange {
public:
    LineExchange(ProcessState& p, const Settings& settings, SerialLink& link, ExchangeLog& log,
                 StationView& view, AnswerSink& sink)
        : p_(p), settings_(settings), link_(link), log_(log), view_(view), sink_(sink) {}

    // Writes the request (for CP_MSG_RECIPE frame p.cpq.rec_part) and sets r.cp_status = SEND and
    // r.cp_time = r.cp_tick. A short or refused write is logged and counted as sent all the same,
    // so that the time-out, not a resend every tick, deals with a dead port.
    void send_message(int scale, int kind);
    // Reads what the link holds and hands every completed frame to handle_answer.
    void receive_bytes();
    // Checks one answer frame (without its terminator) and hands it on. Every frame sets
    // r.cp_status = RECEIVED and r.cp_time = r.cp_tick, whatever it holds.
    void handle_answer(const std::string& frame);
    // A checked reading: the scale answered, so its failures are cleared before the sink has it.
    void take(const Reading& reading);
    // d ticks after the last send or receive: a request unanswered for longer than rs_timeout counts
    // as a failure of its scale, a command is tried again up to kCommandAttempts times. True when the
    // time-out ended the tick.
    bool time_out(std::int32_t d);
    // After the login the exchange starts afresh: nothing on the line, no command, no partial frame.
    void restart();
    // The bytes of an answer not yet ended.
    const std::string& received() const { return splitter_.pending(); }
    // The mass each material's recipe frame carries; without it, the records' target of the cycle.
    using RecipeMass = std::function<double(int scale, int material)>;
    void send_recipe_masses_from(RecipeMass mass) { recipe_mass_ = std::move(mass); }

private:
    void take_bytes(const std::string& bytes);
    void take(const Rejection& rejection, int awaited_scale);
    void take(const Acknowledgement& ack);
    void answered(int scale);
    void failed(int scale);
    void repeat_command();
    void error(const std::string& text);
    std::string recipe_part_frame(int scale) const;

    ProcessState& p_;
    const Settings& settings_;
    SerialLink& link_;
    ExchangeLog& log_;
    StationView& view_;
    AnswerSink& sink_;
    RecipeMass recipe_mass_;
    FrameSplitter splitter_;
    bool receiving_ = false;
    bool read_again_ = false;
};

}  // namespace wazenie
