#include "synthetic_year.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "bench/process_memory.h"
#include "clients/client_file.h"
#include "storage/date_time.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/text_file.h"

namespace wazenie::bench {

namespace {

const std::string kMaterialNames[] = {"Piasek 0-2", "Żwir 2-8", "Cement CEM I 42,5R"};

ProcessState synthetic_process(int month, int k) {
    ProcessState p;
    const DateTime day = *make_date_time({2024, month, 1 + k % 28, 6, 0, 0, 0});
    p.r.weight_doc = "WZ/" + std::to_string(k + 1) + "/" + std::to_string(month) + "/2024";
    p.r.start_time = day + (k % 200) / 24.0 / 12.0;
    p.r.stop_time = p.r.start_time + 0.02;
    p.r.total_cycle = p.r.curr_cycle = 3;
    p.r.recipe_name = std::string("B").append(std::to_string(15 + k % 4 * 5));
    p.r.recipe_client = std::string("KLIENT").append(std::to_string(k % 50));
    p.r.user_name = std::string("OPERATOR").append(std::to_string(k % 3));
    for (int n = 1; n <= kScales; ++n) {
        weight_record& w = p.w[n];
        w.precision = 1;
        w.curr_cycle = 3;
        w.curr_cycle_status = cycle_status::COMPLETED;
        w.max_material = 2 + (n + k) % 2;
        for (int j = 1; j <= w.max_material; ++j) {
            material_record& m = w.m[j];
            m.material_name = kMaterialNames[j - 1];
            m.recipe_weight_c1 = 100.0 + n * 10 + j;
            for (int c = 1; c <= 3; ++c) {
                m.curr_weight[c] = m.recipe_weight_c1 + c * 0.1;
                m.curr_total_weight += m.curr_weight[c];
                w.curr_weight[c] += m.curr_weight[c];
            }
            w.curr_total_weight += m.curr_total_weight;
        }
        p.r.curr_weight += w.curr_total_weight;
    }
    return p;
}

}  // namespace

SyntheticYear::SyntheticYear() {
    Settings settings;
    std::vector<std::string> clients;
    for (int c = 0; c < 50; ++c) {
        clients.push_back(
            client_line({"KLIENT" + std::to_string(c), "Firma Budowlana nr " + std::to_string(c),
                         "ul. Łąkowa " + std::to_string(c), "725-000-11-22"}));
    }
    text_file::write_lines(clients_file_path(dir.path()), clients);
    for (int month = 1; month <= 12; ++month) {
        std::vector<std::string> lines = process_header_lines();
        for (int k = 0; k < kProcessesPerMonth; ++k) {
            for (auto& line : process_record_lines(synthetic_process(month, k), settings)) {
                lines.push_back(std::move(line));
            }
        }
        const auto file = month_log_path(dir.path(), std::to_string(202400 + month));
        text_file::write_lines(file, lines);
        files += " '" + file.string() + "'";
        megabytes += static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    }
}

const SyntheticYear& synthetic_year() {
    static const SyntheticYear y;
    return y;
}

double grep_seconds() {
    // GNU grep stops at the first match when its output is /dev/null, so it writes to a file.
    const std::string command = "grep -c '^r' " + synthetic_year().files + " > '" +
                                (synthetic_year().dir.path() / "grep_c.txt").string() + "'";
    double total = 0;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            return -1;
        }
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return total / 3;
}

double peak_megabytes() {
    return status_megabytes("VmHWM");
}

void reset_peak() {
#ifdef __linux__
    std::ofstream("/proc/self/clear_refs") << "5";
#endif
}

void time_over_the_year(benchmark::State& state, const std::string& what, const std::string& rows,
                        const std::function<std::size_t()>& pass) {
    const auto& data = synthetic_year();
    reset_peak();
    std::size_t made = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        made = pass();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    seconds /= static_cast<double>(state.iterations());
    const double peak = peak_megabytes();
    const double grep = grep_seconds();
    state.counters[rows] = static_cast<double>(made);
    state.counters["logs_MB"] = data.megabytes;
    state.counters[what + "_ms"] = seconds * 1000;
    state.counters["grep_c_ms"] = grep * 1000;
    state.counters["times_grep"] = grep > 0 ? seconds / grep : 0;
    state.counters["peak_MB"] = peak;
}

}  // namespace wazenie::bench
