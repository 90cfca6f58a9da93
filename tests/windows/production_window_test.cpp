#include "windows/production_window.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"
#include "fakes/fake_save_file_dialog.h"
#include "fakes/scratch_dir.h"
#include "reports/logged_processes.h"
#include "storage/batch_card.h"
#include "storage/material_kinds.h"
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

// Piasek (210 kg, 5 % wet) is an aggregate and Cement (200 kg) cement; Żwir 2-8 has no kind.
TEST_F(ProductionWindowTest, KindsNarrowTheViewsTotalTheConsumptionAndListTheWaterCement) {
    EXPECT_FALSE(window.has_kinds());
    MaterialKinds kinds;
    kinds.set("Cement", MaterialKind::cement);
    kinds.set("Piasek", MaterialKind::aggregate);
    ASSERT_TRUE(save_material_kinds(material_kinds_path(dir.path()), kinds));
    ASSERT_TRUE(append_batch_card(batch_card_path(dir.path(), "202403"),
                                  {"WZ/1/24",
                                   "2024-03-04 07:00:00",
                                   "B20",
                                   {{1, 1, "Piasek", MaterialKind::aggregate, 200, 5, 210}},
                                   {}}));
    ProductionAnalysisWindow kinded{dir.path(), settings, {dialogs, clock, printer, save_dialog}};
    ASSERT_TRUE(kinded.has_kinds());
    kinded.current_month();
    kinded.refresh();
    EXPECT_TRUE(dialogs.journal.empty());

    const auto totals = kinded.kind_total_rows();
    ASSERT_EQ(totals.size(), 3u);
    EXPECT_EQ(totals[0], (std::vector<std::string>{"cement", "200", "200", "0"}));
    EXPECT_EQ(totals[1], (std::vector<std::string>{"kruszywo", "200", "210", "+10"}));
    EXPECT_EQ(totals[2][0], "bez rodzaju");
    // 210 kg of sand at 5 % holds 10 kg of water, over 200 kg of cement.
    ASSERT_EQ(kinded.water_cement_rows().size(), 1u);
    EXPECT_EQ(kinded.water_cement_rows()[0][6], "0.05");
    EXPECT_EQ(kinded.water_cement_summary(), "Średnio w/c: 0.05, największe: 0.05");

    kinded.set_kind(MaterialKind::cement);
    EXPECT_EQ(kinded.consumption_rows().size(), 2u);
    EXPECT_EQ(kinded.dose_count(), 2u);
    EXPECT_TRUE(kinded.outside_doses().empty());
    EXPECT_TRUE(kinded.kind_total_rows().empty());
    kinded.set_kind(MaterialKind::aggregate);
    EXPECT_EQ(kinded.outside_doses().size(), 1u);
    EXPECT_EQ(kinded.dose_line(kinded.outside_doses()[0]).columns[2], "Piasek");

    kinded.set_view(AnalysisView::WaterCement);
    const auto csv = dir.path() / "wc.csv";
    save_dialog.answers = {csv};
    kinded.save();
    EXPECT_EQ(save_dialog.requests[0].default_name, "wskaźnik woda-cement");
    EXPECT_EQ(
        testing::read_bytes(csv).rfind("\xEF\xBB\xBFNr WZ;Rozpoczęcie;Receptura;Klient;Cement [kg];", 0), 0u);
}

}  // namespace
}  // namespace wazenie
