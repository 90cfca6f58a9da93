#pragma once

#include <string>
#include <vector>

#include "comm/exchange_log.h"
#include "comm/meter_protocol.h"
#include "comm/recording_sink.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_serial_link.h"

#include <gtest/gtest.h>

namespace wazenie::testing {

// The protocol over a scripted link, with a recording sink and a log on a fixed clock.
class ProtocolTest : public ::testing::Test {
protected:
    ProcessState p;
    FakeClock clock;
    ExchangeLog log{clock};
    FakeSerialLink link;
    RecordingSink sink;
    MeterProtocol protocol{p, link, log, sink};

    // The log's lines without their "hh-mm-ss.zzz" time.
    std::vector<std::string> logged() const {
        std::vector<std::string> out;
        for (const auto& line : log.lines()) {
            out.push_back(line.substr(12));
        }
        return out;
    }
    std::vector<std::string> errors() const {
        std::vector<std::string> out;
        for (const auto& line : logged()) {
            if (line.rfind(" !! ", 0) == 0) {
                out.push_back(line.substr(4));
            }
        }
        return out;
    }
    void ask_weight(int scale) {
        p.r.cp_weight_num = scale;
        p.r.cp_msg = CP_MSG_WEIGHT_QUESTION;
        p.r.cp_status = line_status::SEND;
    }
    void await_ack(int scale, int kind) {
        p.cpq.status = command_status::SEND;
        p.cpq.weight_num = scale;
        p.cpq.msg = kind;
        p.r.cp_status = line_status::SEND;
    }
};

}  // namespace wazenie::testing
