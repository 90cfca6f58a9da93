#include <string>
#include <vector>

#include "fakes/scratch_dir.h"
#include "recipes/recipe_file.h"
#include "storage/text_file.h"

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

// A plant's recipe file at its largest: 2000 recipes, every scale with a few materials.
void write_recipes(const std::filesystem::path& data_dir, int count) {
    std::vector<std::string> lines;
    const char* const materials[] = {"cement CEM I 42,5R", "piasek 0-2", "żwir 2-8", "woda", "plastyfikator"};
    for (int i = 0; i < count; ++i) {
        std::string name = "Beton B" + std::to_string(10 + i % 50) + " nr " + std::to_string(i);
        for (int s = 1; s <= kScales; ++s) {
            std::string line = name + "\twaga" + std::to_string(s);
            for (int k = 1; k <= kMaterials; ++k) {
                if (k <= 3) {
                    line.append("\t").append(materials[(i + k + s) % 5]).append("\t");
                    line.append(std::to_string(100 + k)).append(".5");
                } else {
                    line += "\t\t";
                }
            }
            lines.push_back(line);
        }
    }
    text_file::write_lines(recipe_file_path(data_dir), lines);
}

void read_recipe_totals_2000_recipes(benchmark::State& state) {
    testing::ScratchDir dir;
    write_recipes(dir.path(), 2000);
    for (auto _ : state) {
        auto totals = read_recipe_totals(dir.path());
        benchmark::DoNotOptimize(totals);
    }
}
BENCHMARK(read_recipe_totals_2000_recipes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace wazenie
