#include "windows/production_window.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"
#include "fakes/fake_save_file_dialog.h"
#include "fakes/scratch_dir.h"
#include "reports/logged_processes.h"
#include "storage/month_log.h"
#include "storage/process_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::LoggedProcess;

class ProductionWindowTest : public ::testing::Test {
protected:
    ProductionWindowTest() {
        // Every material aimed at 100 kg a cycle; Piasek got 110 kg in cycle 1: 10 % over.
        LoggedProcess wanted;
        wanted.start = "2024-03-04 07:00:00";
        wanted.stop = "2024-03-04 07:40:00";
        wanted.extra = 10;
        ProcessState p = testing::finished_process(wanted);
        for (int i = 1; i <= 2; ++i) {
            for (int j = 1; j <= p.w[i].max_material; ++j) {
                p.w[i].m[j].recipe_weight_c1 = 100;
            }
        }
        EXPECT_TRUE(save_process(p, settings, month_log_path(dir.path(), "202403"), true));
        window.current_month();
    }

    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
    testing::FakeClock clock;
    testing::FakePrinter printer;
    testing::FakeSaveFileDialog save_dialog;
    Settings settings;
    ProductionAnalysisWindow window{dir.path(), settings, {dialogs, clock, printer, save_dialog}};
};

TEST_F(ProductionWindowTest, NothingIsPrintedOrSavedBeforeARefresh) {
    window.print();
    window.save();
    EXPECT_EQ(dialogs.journal, std::vector<std::string>(2, "błąd: Analiza jest pusta! Najpierw ją odśwież."));
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_TRUE(save_dialog.requests.empty());
}

// The tolerances are those of the settings at the refresh; a refused range keeps what is shown.
TEST_F(ProductionWindowTest, DosesOutsideTheirToleranceAreMarked) {
    window.refresh();
    ASSERT_NE(window.analysis(), nullptr);
    ASSERT_EQ(window.outside_doses().size(), 1u);
    const DoseLine line = window.dose_line(window.outside_doses()[0]);
    EXPECT_TRUE(line.outside);
    EXPECT_EQ(line.columns[2], "Piasek");
    EXPECT_EQ(line.columns[4], "1");
    EXPECT_EQ(line.columns[8], "+10.00");

    settings.ini.set("Tolerancje", "piasek", "10");
    window.set_date_from("2024-03-31");
    window.refresh();
    EXPECT_EQ(dialogs.journal.size(), 1u);
    EXPECT_EQ(window.outside_doses().size(), 1u);
    EXPECT_EQ(window.analysed_query().date_from, "2024-03-01");
    window.current_month();
    window.refresh();
    EXPECT_TRUE(window.outside_doses().empty());
}

TEST_F(ProductionWindowTest, SavesTheShownViewAsCsvOrPdf) {
    window.refresh();
    window.set_view(AnalysisView::Daily);
    std::vector<std::filesystem::path> pdfs;
    window.save_pdf_with([&pdfs](const PrintDocument&, const std::filesystem::path& file) {
        pdfs.push_back(file);
        return Status{};
    });
    const auto csv = dir.path() / "dzienna.csv";
    save_dialog.answers = {csv, dir.path() / "dzienna.PDF", dir.path() / "brak" / "x.csv"};
    window.save();
    window.save();
    window.save();
    EXPECT_EQ(save_dialog.requests[0].default_name, "produkcja dzienna");
    EXPECT_EQ(save_dialog.requests[0].filter, "*.csv;;*.pdf");
    EXPECT_EQ(testing::read_bytes(csv),
              analysis_csv({window.analysed_query(), *window.analysis()}, AnalysisView::Daily));
    EXPECT_EQ(pdfs, std::vector{dir.path() / "dzienna.PDF"});
    EXPECT_EQ(dialogs.journal.back(),
              "błąd: Błąd (51) przy zapisie do pliku: " + (dir.path() / "brak" / "x.csv").string() +
                  "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
}

}  // namespace
}  // namespace wazenie
