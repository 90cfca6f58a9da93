#pragma once

#include <string>
#include <vector>

#include "core/indexed_array.h"
#include "fakes/fake_serial_link.h"
#include "station/faked_station.h"
#include "station/process_edit.h"

namespace wazenie::testing {

// The meters' side of the line for station tests: reads every frame the station wrote and answers
// at once, as up to four meters would. A started scale doses one material per weight question,
// then empties its tank (two readings of 0) and reports a stopped, empty tank.
class FakeMeters {
public:
    struct Scale {
        bool answers = true;  // false: a dead meter, every request times out
        char recipe_verdict = 'P';
        bool held = false;           // started, but doses nothing until released
        bool emptying = false;       // between the two emptying answers
        std::vector<double> masses;  // from the last recipe transfer
        int recipes = 0;             // complete transfers received
        int starts = 0;
        int dosed = 0;  // materials dosed in the running cycle
        bool running = false;
        int empty_answers = 0;
        double reading = 0;
        double in_flight = 0;  // lands on every material on top of what it was sent
    };

    explicit FakeMeters(FakeSerialLink& link) : link_(link) {}

    IndexedArray<Scale, 4> scales{};
    std::vector<std::string> frames;  // every frame seen, in order

    // Answers the frames written since the last call.
    void answer_new_frames();

private:
    void answer(const std::string& frame);
    void answer_weight_question(int n);
    void deliver_weight(int n, int status_byte, double mass);

    FakeSerialLink& link_;
    std::size_t seen_ = 0;
    int recipe_scale_ = 0;
    int recipe_part_ = 0;
};

// A station on fakes, started and logged in, with short line timings so that whole processes run
// in a few hundred ticks.
struct StationRig : FakedStation {
    FakeMeters meters{link};
    const ProcessState& p = station.process();

    explicit StationRig(bool log_in = true);

    // Changes the records through the station (see edit_process).
    template <typename Change>
    void edit(Change&& change) {
        edit_process(station, change);
    }

    // One scale's recipe: c1 masses per material (whole kilograms), the same in every cycle.
    void give_recipe(int scale, const std::vector<double>& c1);
    void set_cycles(int total_cycle);
    void enable_only(const std::vector<int>& scales);

    // Ticks the loop, the meters answering after each tick.
    void tick(int n = 1);
    // Ticks until the condition holds; false after `limit` ticks without it.
    template <typename Condition>
    bool run_until(Condition done, int limit = 5000) {
        for (int i = 0; i < limit; ++i) {
            if (done()) {
                return true;
            }
            tick();
        }
        return done();
    }
    bool run_until_finished(int limit = 5000) {
        return run_until([this] { return p.r.stop_time != 0; }, limit);
    }

    // Frames written to the line that begin with the text.
    int count_frames(const std::string& start) const;
    // Lines of the messages journal that begin with the text.
    int count_messages(const std::string& start) const;
    std::vector<std::string> log_records() const;  // "r" lines of the month's log
};

}  // namespace wazenie::testing
