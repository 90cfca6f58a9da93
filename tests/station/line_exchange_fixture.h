#pragma once

#include <string>
#include <vector>

#include "station/line_on_fakes.h"

#include <gtest/gtest.h>

namespace wazenie::testing {

// The line exchange over a scripted link, with a recording sink and a log on a fixed clock.
class ExchangeTest : public ::testing::Test, protected ScriptedLine<> {
protected:
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
