// The material window over a large database (2000 names): opening it modally, and a search that is
// switched on and off again, each of which reads the file and fills the list (aim: under 100 ms).
#include <cstdio>
#include <string>
#include <vector>

#include "fakes/fake_clipboard.h"
#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "recipes/material_file.h"
#include "ui/material_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

struct MaterialBench {
    MaterialBench() {
        std::vector<std::string> names;
        for (int i = 0; i < 2000; ++i) {
            char name[40];
            std::snprintf(name, sizeof name, "materiał %04d żwir", i);
            names.emplace_back(name);
        }
        write_materials(dir.path(), names);
        controller.load();
    }

    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
    testing::FakeClipboard clipboard;
    MaterialWindow controller{dialogs, clipboard, dir.path(), true};
};

// A fresh window each time, as the recipe editor's chooser makes it: all 2000 rows are filled anew.
void BM_MaterialWindowOpen(benchmark::State& state) {
    MaterialBench bench;
    for (auto _ : state) {
        TFmaterial window(bench.controller);
        QTimer::singleShot(0, &window, [&window] { window.reject(); });
        window.run();
    }
}
BENCHMARK(BM_MaterialWindowOpen)->Unit(benchmark::kMillisecond);

// One search that finds 100 of the names, and its clearing, which shows all of them again.
void BM_MaterialSearchOnAndOff(benchmark::State& state) {
    MaterialBench bench;
    TFmaterial window(bench.controller);
    window.show();
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("Esearch"));
    for (auto _ : state) {
        search->setText(QStringLiteral("AŁ 01"));
        emit search->textEdited(search->text());
        QApplication::processEvents();
        search->setText(QString());
        emit search->textEdited(search->text());
        QApplication::processEvents();
    }
}
BENCHMARK(BM_MaterialSearchOnAndOff)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace wazenie
