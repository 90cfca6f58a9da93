#include "reports/logged_processes.h"

#include <stdexcept>

#include "storage/date_time.h"
#include "storage/month_log.h"
#include "storage/process_file.h"

namespace wazenie::testing {

namespace {

DateTime date_time_of(const std::string& text) {
    if (text == "---") {
        return 0;
    }
    const auto t = parse_date_time(text);
    if (!t) {
        throw std::invalid_argument(text);
    }
    return *t;
}

void add_material(weight_record& w, int j, const std::string& name, int cycles, double extra) {
    material_record& m = w.m[j];
    m.material_name = name;
    for (int c = 1; c <= cycles; ++c) {
        m.curr_weight[c] = 100 + (c == 1 ? extra : 0);
        m.curr_total_weight += m.curr_weight[c];
    }
    w.max_material = j;
    w.curr_total_weight += m.curr_total_weight;
}

}  // namespace

ProcessState finished_process(const LoggedProcess& wanted) {
    ProcessState p;
    p.r.weight_doc = wanted.doc;
    p.r.start_time = date_time_of(wanted.start);
    p.r.stop_time = date_time_of(wanted.stop);
    p.r.recipe_name = wanted.recipe;
    p.r.recipe_client = wanted.client;
    p.r.user_name = wanted.user;
    p.r.total_cycle = wanted.cycles;
    p.r.curr_cycle = wanted.cycles;
    for (int i = 1; i <= 2; ++i) {
        p.w[i].curr_cycle = wanted.cycles;
        p.w[i].curr_cycle_status = cycle_status::COMPLETED;
    }
    add_material(p.w[1], 1, "Piasek", wanted.cycles, wanted.extra);
    add_material(p.w[1], 2, "Żwir 2-8", wanted.cycles, 0);
    add_material(p.w[2], 1, "Cement", wanted.cycles, 0);
    p.r.curr_weight = p.w[1].curr_total_weight + p.w[2].curr_total_weight;
    p.r.recipe_total_weight = p.r.curr_weight;
    return p;
}

void log_process(const std::filesystem::path& data_dir, const std::string& month, const LoggedProcess& wanted,
                 const Settings& settings) {
    if (!save_process(finished_process(wanted), settings, month_log_path(data_dir, month), true)) {
        throw std::runtime_error("log not written");
    }
}

}  // namespace wazenie::testing
