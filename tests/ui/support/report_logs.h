#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/process_records.h"
#include "storage/date_time.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/settings.h"
#include "storage/text_file.h"

namespace wazenie::testing {

// A month's weighing log of `count` finished processes written in one go: two cycles each, scale 1
// with two materials (the first `extra` kg heavier in cycle 1), scale 2 with one, every material
// aimed at 1000 kg a cycle. Processes start on days 1 to 28 in turn, for the demo clients BUDREX, KOWALSKI
// and GMINA ŁOPUSZNO.
inline bool write_month_log(const std::filesystem::path& data_dir, int year, int month, int count,
                            const Settings& settings, double extra = 0) {
    ProcessState p;
    p.r.recipe_name = "B25 beton konstrukcyjny";
    p.r.user_name = "ŁUKASZ";
    p.r.total_cycle = p.r.curr_cycle = 2;
    const char* materials[] = {"Piasek 0-2", "Żwir 2-8", "Cement CEM I 42,5R"};
    for (int k = 0; k < 3; ++k) {
        weight_record& w = p.w[k < 2 ? 1 : 2];
        const int j = k < 2 ? k + 1 : 1;
        material_record& m = w.m[j];
        m.material_name = materials[k];
        m.curr_weight[1] = 1000 + (k == 0 ? extra : 0);
        m.curr_weight[2] = 1000;
        m.recipe_weight_c1 = 1000;
        m.curr_total_weight = m.curr_weight[1] + m.curr_weight[2];
        w.max_material = j;
        w.curr_total_weight += m.curr_total_weight;
        w.curr_cycle = 2;
        w.curr_cycle_status = cycle_status::COMPLETED;
    }
    p.r.curr_weight = p.r.recipe_total_weight = p.w[1].curr_total_weight + p.w[2].curr_total_weight;
    const char* clients[] = {"BUDREX", "KOWALSKI", "GMINA ŁOPUSZNO"};
    std::vector<std::string> lines = process_header_lines();
    for (int i = 0; i < count; ++i) {
        char doc[32];
        std::snprintf(doc, sizeof doc, "%05d/%02d/%04d", i + 1, month, year);
        p.r.weight_doc = doc;
        p.r.recipe_client = clients[i % 3];
        const auto start = make_date_time({year, month, 1 + i % 28, 6 + i % 12, i % 60, 0});
        p.r.start_time = start.value_or(0);
        p.r.stop_time = p.r.start_time + 0.02;
        const auto record = process_record_lines(p, settings);
        lines.insert(lines.end(), record.begin(), record.end());
    }
    char name[16];
    std::snprintf(name, sizeof name, "%04d%02d", year, month);
    return static_cast<bool>(text_file::write_lines(month_log_path(data_dir, name), lines));
}

}  // namespace wazenie::testing
