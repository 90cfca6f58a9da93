#pragma once

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fault_plan.h"
#include "meter.h"
#include "request_reader.h"

namespace wazenie::emulator {

// Up to four meters on one line: reads the station's requests and says what goes back, with faults.
class Emulator {
public:
    struct Config {
        std::vector<Meter::Config> meters;
        std::set<int> dead;  // scales that never answer
        FaultPlan faults;
        unsigned seed = 1;
    };

    explicit Emulator(const Config& config);

    // The answers to the bytes received, each as the pieces to write (more than one when split).
    std::vector<std::vector<std::string>> receive(const std::string& bytes);

    const Meter* meter(int scale) const;
    // What the emulator did (Polish notes), for --verbose.
    std::vector<std::string> take_notes();

private:
    std::string answer(const Request& request);
    std::string acknowledge(int scale, char verdict);
    enum class Fault { NONE, NO_ANSWER, GARBAGE, WRONG_SCALE, BAD_CRC };
    Fault pick_fault(bool weight_answer);
    std::string apply(Fault fault, std::string frame, bool weight_answer);
    std::vector<std::string> pieces(const std::string& answer);

    std::map<int, Meter> meters_;
    std::set<int> dead_;
    FaultPlan faults_;
    std::mt19937 random_;
    RequestReader reader_;
    int recipe_scale_ = 0;
    std::array<std::string, 7> recipe_{};
    int recipe_part_ = 0;
    bool recipe_ok_ = true;
    std::vector<std::string> notes_;
};

}  // namespace wazenie::emulator
