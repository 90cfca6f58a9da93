// The recipe editor over a large recipe file (2000 recipes, 8000 lines): opening it modally, which
// reads the file and fills the recipe list and the first recipe's four lists, and picking another
// recipe, which reads that recipe's lines (aim: each under 100 ms).
#include <cstdio>
#include <string>
#include <vector>

#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "recipes/recipe_file.h"
#include "recipes/recipe_line.h"
#include "storage/settings.h"
#include "storage/text_file.h"
#include "ui/recipe_editor_window.h"
#include "windows/recipe_editor_window.h"

#include <QApplication>
#include <QTimer>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

struct NoMaterials : MaterialChooser {
    std::optional<std::string> choose_material() override { return std::nullopt; }
};

struct RecipeBench {
    RecipeBench() {
        RecipeLists lists;
        lists[1] = {{"1.", "cement CEM I 42,5R", "300.0", ""}};
        lists[2] = {
            {"1.", "piasek 0-2", "750", ""}, {"2.", "żwir 2-8", "550", ""}, {"3.", "żwir 8-16", "620", ""}};
        lists[3] = {{"1.", "woda", "175.0", ""}};
        lists[4] = {{"1.", "plastyfikator", "2.40", ""}};
        std::vector<std::string> lines;
        for (int i = 0; i < 2000; ++i) {
            char name[40];
            std::snprintf(name, sizeof name, "receptura %04d źródlana", i);
            for (int s = 1; s <= kScales; ++s) {
                lines.push_back(recipe_line(name, s, lists[s]));
            }
        }
        text_file::write_lines(recipe_file_path(dir.path()), lines);
        for (int n = 1; n <= kScales; ++n) {
            w[n].max_weight = 2000;
        }
    }

    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
    NoMaterials materials;
    Settings settings;
    Scales w;
    RecipeEditor controller{dialogs, materials, dir.path(), settings, w, "ADMINISTRATOR"};
};

// A fresh window each time, as the launcher makes it.
void BM_RecipeEditorOpen(benchmark::State& state) {
    RecipeBench bench;
    for (auto _ : state) {
        TFrecipe window(bench.controller);
        QTimer::singleShot(0, &window, [&window] { window.reject(); });
        window.run("receptura 1500 źródlana");
    }
}
BENCHMARK(BM_RecipeEditorOpen)->Unit(benchmark::kMillisecond);

// The operator clicks one recipe, then another: each shows that recipe's materials.
void BM_RecipeEditorSelect(benchmark::State& state) {
    RecipeBench bench;
    TFrecipe window(bench.controller);
    QTimer::singleShot(0, &window, [&] {
        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("LVrecipe"));
        int row = 0;
        for (auto _ : state) {
            row = row == 1000 ? 1999 : 1000;
            list->setCurrentItem(list->topLevelItem(row));
            QApplication::processEvents();
        }
        window.reject();
    });
    window.run();
}
BENCHMARK(BM_RecipeEditorSelect)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace wazenie
