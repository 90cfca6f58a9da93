#include "station/station_rig.h"

#include <cstdio>

#include "comm/meter_frames.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/settings.h"

namespace wazenie::testing {

namespace {

bool cuts_frame(char c) {
    return c == '\n' || c == '\r' || c == ';';
}

}  // namespace

void FakeMeters::answer_new_frames() {
    while (seen_ < link_.written.size()) {
        const std::string frame = link_.written[seen_++];
        frames.push_back(frame);
        answer(frame);
    }
}

void FakeMeters::answer(const std::string& frame) {
    if (recipe_part_ >= 1) {
        // A mass frame: the digits, two check-sum bytes and ";".
        Scale& s = scales[recipe_scale_];
        s.masses.push_back(std::stod(frame.substr(0, frame.size() - 3)));
        if (++recipe_part_ > 7) {
            recipe_part_ = 0;
            ++s.recipes;
            if (s.answers) {
                link_.deliver(std::string{s.recipe_verdict} + std::to_string(recipe_scale_) + ";");
            }
        }
        return;
    }
    const std::size_t digit = frame.find_first_of("1234");
    if (digit == std::string::npos) {
        return;
    }
    const std::string keyword = frame.substr(0, digit);
    const int n = frame[digit] - '0';
    Scale& s = scales[n];
    if (keyword == "REC") {
        recipe_scale_ = n;
        recipe_part_ = 1;
        s.masses.clear();
        return;
    }
    if (!s.answers) {
        return;
    }
    if (keyword == "A") {
        answer_weight_question(n);
        return;
    }
    if (keyword == "STA") {
        ++s.starts;
        s.running = true;
        s.dosed = 0;
        s.empty_answers = 0;
        s.reading = 0;
    } else if (keyword == "STO") {
        s.running = false;
    }
    link_.deliver(std::string("P").append(std::to_string(n)).append(";"));
}

void FakeMeters::answer_weight_question(int n) {
    Scale& s = scales[n];
    int last = 0;
    for (std::size_t j = 0; j < s.masses.size(); ++j) {
        if (s.masses[j] != 0) {
            last = static_cast<int>(j) + 1;
        }
    }
    if (s.running && s.held) {
        deliver_weight(n, encode_status({1, run_mode::RUNNING, 0}), s.reading);
        return;
    }
    if (s.running && s.dosed < last) {
        ++s.dosed;
        const double sent = s.masses[s.dosed - 1];
        s.reading += sent == 0 ? 0 : sent + s.in_flight;
        deliver_weight(n, encode_status({s.dosed, run_mode::RUNNING, 0}), s.reading);
        return;
    }
    if (s.running || s.emptying) {
        s.running = false;
        s.reading = 0;
        s.emptying = ++s.empty_answers < 2;
        deliver_weight(n, encode_status({kEmptyingB03, 0, 0}), 0);
        return;
    }
    deliver_weight(n, encode_status({0, 0, 0}), s.reading);
}

void FakeMeters::deliver_weight(int n, int status_byte, double mass) {
    // The protocol has no escaping: pick a form of the mass field whose check sum cuts no frame.
    for (const char* form : {"%9.1f", "%+9.1f", "%9.2f", "%9.3f", "%09.1f"}) {
        char field[32];
        std::snprintf(field, sizeof field, form, mass);
        const std::string frame = weight_answer_frame(n, status_byte, field);
        if (!cuts_frame(frame[11]) && !cuts_frame(frame[12])) {
            link_.deliver(frame + ";");
            return;
        }
    }
}

StationRig::StationRig(bool log_in) {
    station.start_up();
    Settings& s = station.settings();
    s.rs_delay = 3;
    s.rs_delay_recipe = 1;
    s.rs_timeout = 6;
    if (log_in) {
        station.log_in("ADMINISTRATOR");
    }
}

void StationRig::set_cycles(int total_cycle) {
    edit([total_cycle](ProcessState& q) {
        q.r.total_cycle = total_cycle;
        q.r.total_cycle_init = total_cycle;
    });
}

void StationRig::give_recipe(int scale, const std::vector<double>& c1) {
    edit([scale, &c1](ProcessState& q) {
        weight_record& w = q.w[scale];
        w.max_material = static_cast<int>(c1.size());
        w.recipe_total_weight_c1 = 0;
        for (int j = 1; j <= w.max_material; ++j) {
            w.m[j].material_name = std::string("M").append(std::to_string(j));
            w.m[j].recipe_weight_c1 = c1[j - 1];
            w.m[j].recipe_total_weight = c1[j - 1] * q.r.total_cycle;
            w.recipe_total_weight_c1 += c1[j - 1];
        }
        w.recipe_total_weight = w.recipe_total_weight_c1 * q.r.total_cycle;
        q.r.recipe_total_weight = 0;
        for (const weight_record& each : q.w) {
            q.r.recipe_total_weight += each.recipe_total_weight;
        }
    });
}

void StationRig::enable_only(const std::vector<int>& enabled) {
    edit([&enabled](ProcessState& q) {
        for (int n = 1; n <= kScales; ++n) {
            q.w[n].weight_enabled = false;
        }
        for (int n : enabled) {
            q.w[n].weight_enabled = true;
        }
    });
}

void StationRig::tick(int n) {
    for (int i = 0; i < n; ++i) {
        station.main_tick();
        meters.answer_new_frames();
    }
}

int StationRig::count_frames(const std::string& start) const {
    int count = 0;
    for (const std::string& frame : link.written) {
        count += frame.rfind(start, 0) == 0 ? 1 : 0;
    }
    return count;
}

int StationRig::count_messages(const std::string& start) const {
    int count = 0;
    for (const std::string& line : dialogs.journal) {
        count += line.rfind(start, 0) == 0 ? 1 : 0;
    }
    return count;
}

std::vector<std::string> StationRig::log_records() const {
    auto lines = read_process_lines(month_log_path(dir.path(), clock.now()));
    return lines ? *lines : std::vector<std::string>{};
}

}  // namespace wazenie::testing
