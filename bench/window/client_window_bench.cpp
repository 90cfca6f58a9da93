// The client window over 5000 clients, through the real window: opening it (reading the file, filling
// the list, the first paint) and a search that filters the list and goes back to the whole of it.
// Aim: each under 100 ms.
#include <cstdio>
#include <string>
#include <vector>

#include "clients/client_file.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"
#include "fakes/scratch_dir.h"
#include "storage/text_file.h"
#include "ui/client_window.h"
#include "ui/new_client_dialog.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace wazenie {
namespace {

struct ClientBench {
    ClientBench() {
        std::vector<std::string> lines;
        for (int i = 1; i <= 5000; ++i) {
            char number[8];
            std::snprintf(number, sizeof number, "%04d", i);
            lines.push_back(client_line({std::string("ODBIORCA ") + number,
                                         std::string("Przedsiębiorstwo Usług Budowlanych nr ") + number,
                                         "ul. Świętokrzyska 12, 25-001 Kielce", "657-123-45-67"}));
        }
        ready = static_cast<bool>(text_file::write_lines(clients_file_path(dir.path()), lines));
    }

    testing::ScratchDir dir;
    bool ready = false;
    testing::FakeDialogs dialogs;
    testing::FakeClipboard clipboard;
    testing::FakePrinter printer;
    testing::FakeClock clock;
    TFnowy_kontrahent editor{dialogs};
};

ClientBench& client_bench() {
    static ClientBench b;
    return b;
}

void BM_ClientWindowOpen(benchmark::State& state) {
    ClientBench& b = client_bench();
    if (!b.ready) {
        state.SkipWithError("the client file could not be written");
        return;
    }
    for (auto _ : state) {
        ClientWindow controller(b.dir.path(), {b.dialogs, b.editor, b.clipboard, b.printer, b.clock});
        TFwybor_kontrah window(controller, false);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ClientWindowOpen)->Unit(benchmark::kMillisecond);

// One iteration: "012" narrows the list to a few rows, "01" brings all 5000 back.
void BM_ClientWindowSearch(benchmark::State& state) {
    ClientBench& b = client_bench();
    if (!b.ready) {
        state.SkipWithError("the client file could not be written");
        return;
    }
    ClientWindow controller(b.dir.path(), {b.dialogs, b.editor, b.clipboard, b.printer, b.clock});
    TFwybor_kontrah window(controller, false);
    window.show();
    QApplication::processEvents();
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("Esearch_kontrah"));
    for (auto _ : state) {
        for (const char* text : {"012", "01"}) {
            search->setText(QLatin1String(text));
            emit search->textEdited(search->text());
            QApplication::processEvents();
        }
    }
}
BENCHMARK(BM_ClientWindowSearch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace wazenie
