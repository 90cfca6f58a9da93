#include "core/mass_operations.h"
#include "core/number_text.h"

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

// A full recipe: four scales of seven materials each, the largest process the records hold.
ProcessState full_recipe() {
    ProcessState p;
    for (int n = 1; n <= kScales; ++n) {
        p.w[n].max_material = kMaterials;
        p.w[n].precision = n % 4;
        p.w[n].max_weight = 1500;
        for (int j = 1; j <= kMaterials; ++j) {
            p.w[n].m[j].recipe_total_weight = 37.5 * n + 11.1 * j;
        }
    }
    p.r.total_cycle = kCycles;
    return p;
}

void split_into_cycles_full_recipe(benchmark::State& state) {
    const ProcessState recipe = full_recipe();
    ProcessState p = recipe;
    for (auto _ : state) {
        p.r.recipe_total_weight = 12000;
        benchmark::DoNotOptimize(split_into_cycles(p));
    }
}
BENCHMARK(split_into_cycles_full_recipe);

void recompute_scale_totals_nine_cycles(benchmark::State& state) {
    ProcessState p = full_recipe();
    for (int k = 1; k <= kCycles; ++k) {
        p.w[2].m[3].curr_weight[k] = 10.5 * k;
    }
    for (auto _ : state) {
        recompute_scale_totals(p, 2, false);
        benchmark::DoNotOptimize(p.w[2].curr_total_weight);
    }
}
BENCHMARK(recompute_scale_totals_nine_cycles);

void round_to_one_place(benchmark::State& state) {
    double x = 666.666;
    for (auto _ : state) {
        benchmark::DoNotOptimize(round_to(x, 1));
        x += 0.001;
    }
}
BENCHMARK(round_to_one_place);

void fixed_text_mass(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(fixed_text(1132.45, 1));
    }
}
BENCHMARK(fixed_text_mass);

}  // namespace
}  // namespace wazenie
