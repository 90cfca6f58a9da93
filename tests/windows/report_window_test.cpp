#include "windows/report_window.h"

#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"
#include "fakes/fake_save_file_dialog.h"
#include "fakes/scratch_dir.h"
#include "reports/logged_processes.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::log_process;
using testing::LoggedProcess;

class WeighingReportTest : public ::testing::Test {
protected:
    WeighingReportTest() {
        clock.time = 45356.5;  // 2024-03-05 12:00
        scales[1].precision = 1;
        report.show();
    }

    LoggedProcess wanted(const std::string& doc, int cycles, double extra = 0) {
        LoggedProcess s;
        s.doc = doc;
        s.start = "2024-03-04 07:00:00";
        s.stop = "2024-03-04 07:40:00";
        s.cycles = cycles;
        s.extra = extra;
        return s;
    }

    std::vector<std::string> masses() const {
        std::vector<std::string> out;
        for (const auto& d : report.details()) {
            out.push_back(d.mass);
        }
        return out;
    }

    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
    testing::FakeClock clock;
    testing::FakePrinter printer;
    testing::FakeClipboard clipboard;
    testing::FakeSaveFileDialog save_dialog;
    Settings settings;
    Scales scales;
    std::string status_bar;
    WeighingReport report{dir.path(),
                          settings,
                          scales,
                          {dialogs, clock, printer, clipboard, save_dialog,
                           [this](const std::string& name) { status_bar = name; }}};
};

TEST_F(WeighingReportTest, DateButtons) {
    EXPECT_EQ(report.date_from(), "2024-03-05");
    EXPECT_EQ(report.date_to(), "2024-03-05");
    report.current_month();
    EXPECT_EQ(report.date_from(), "2024-03-01");
    EXPECT_EQ(report.date_to(), "2024-03-05");
    // Later showings keep the operator's dates.
    report.show();
    EXPECT_EQ(report.date_from(), "2024-03-01");
    clock.time += 1;
    report.today();
    EXPECT_EQ(report.date_from(), "2024-03-06");
    EXPECT_EQ(report.date_to(), "2024-03-06");
}

TEST_F(WeighingReportTest, RecipeChoiceWithoutASelectionKeepsTheText) {
    report.set_recipe_text("B20");
    report.recipe_chosen("");
    EXPECT_EQ(report.recipe_text(), "B20");
    report.recipe_chosen("B30");
    EXPECT_EQ(report.recipe_text(), "B30");
}

TEST_F(WeighingReportTest, SelectedProcessShowsItsCyclesAndMasses) {
    log_process(dir.path(), "202403", wanted("WZ/1", 3, 5));
    report.current_month();
    report.refresh();
    ASSERT_EQ(report.rows().size(), 2u);
    report.select_row(0);
    EXPECT_EQ(report.cycle_choices(),
              (std::vector<std::string>{"<wszystkie>", "cykl 1", "cykl 2", "cykl 3"}));
    EXPECT_EQ(report.cycle_choice(), 0);
    ASSERT_EQ(report.details().size(), 3u);
    EXPECT_EQ(report.details()[0], (DetailRow{"1.", "1.", "Piasek", "305.0"}));
    EXPECT_EQ(report.details()[1], (DetailRow{"1.", "2.", "Żwir 2-8", "300.0"}));
    EXPECT_EQ(report.details()[2], (DetailRow{"2.", "1.", "Cement", "300"}));
    report.choose_cycle(1);
    EXPECT_EQ(masses(), (std::vector<std::string>{"105.0", "100.0", "100"}));
    report.choose_cycle(3);
    EXPECT_EQ(masses(), (std::vector<std::string>{"100.0", "100.0", "100"}));

    // The total row shows nothing and resets the cycle choice.
    report.select_row(1);
    EXPECT_EQ(report.cycle_choices(), std::vector<std::string>{"<wszystkie>"});
    EXPECT_TRUE(report.details().empty());
    report.choose_cycle(2);
    EXPECT_EQ(report.cycle_choice(), 0);
    EXPECT_TRUE(report.details().empty());
    EXPECT_TRUE(dialogs.journal.empty());
}

TEST_F(WeighingReportTest, NothingOfTheProcessShownBeforeIsMixedIn) {
    log_process(dir.path(), "202403", wanted("WZ/9", 9, 7));
    log_process(dir.path(), "202403", wanted("WZ/2", 2));
    report.current_month();
    report.refresh();
    report.select_row(0);
    report.select_row(1);
    // The two-cycle process has no lines for cycles 3..9: they read as zero, not as WZ/9's masses.
    for (int c = 3; c <= kCycles; ++c) {
        EXPECT_EQ(report.process().w[1].m[1].curr_weight[c], 0) << c;
    }
    EXPECT_EQ(report.process().w[1].m[1].curr_weight[1], 100);
    EXPECT_EQ(report.process().r.user_name, "JAN");
    EXPECT_EQ(report.process().w[1].precision, 1);
    EXPECT_EQ(report.process().w[2].precision, 0);
}

TEST_F(WeighingReportTest, PrecisionIsTodaysSetting) {
    log_process(dir.path(), "202403", wanted("WZ/1", 1));
    report.current_month();
    report.refresh();
    scales[1].precision = 3;
    report.select_row(0);
    EXPECT_EQ(report.details()[0].mass, "100.000");
}

TEST_F(WeighingReportTest, CycleCountAboveNineIsCapped) {
    text_file::write_lines(dir / "202403.txt", {"r\tWZ/12\t2024-03-04 07:00:00\t---\t1\t12\t0\t5"});
    report.current_month();
    report.refresh();
    report.select_row(0);
    EXPECT_EQ(report.cycle_choices().size(), 10u);
    EXPECT_EQ(report.cycle_choices().back(), "cykl 9");
    report.choose_cycle(12);
    EXPECT_EQ(report.cycle_choice(), 9);
}

TEST_F(WeighingReportTest, ListedTwiceShowsTheFirstRecord) {
    log_process(dir.path(), "202403", wanted("WZ/4", 1, 11));
    auto again = wanted("WZ/4", 1, 99);
    again.stop = "2024-03-04 09:00:00";
    log_process(dir.path(), "202403", again);
    report.current_month();
    report.refresh();
    ASSERT_EQ(report.rows().size(), 3u);
    EXPECT_EQ(report.rows()[0].weight_doc, report.rows()[1].weight_doc);
    EXPECT_EQ(report.rows()[1].stop_time, "2024-03-04 09:00:00");
    report.select_row(1);
    EXPECT_EQ(report.details()[0].mass, "111.0");
    EXPECT_EQ(report.rows()[2].mass, "710");
}

TEST_F(WeighingReportTest, ReprintRefusalsAndTheLoadedProcessOnPaper) {
    report.print_wz_again();
    EXPECT_EQ(dialogs.last(), "błąd: Nie zaznaczono żadnego ważenia.");
    report.refresh();
    ASSERT_EQ(report.rows().size(), 1u);
    EXPECT_EQ(report.rows()[0].weight_doc, "<brak pomiarów>");
    report.select_row(0);
    EXPECT_TRUE(report.details().empty());
    report.print_wz_again();
    EXPECT_EQ(dialogs.last(), "błąd: Zaznaczony wiersz nie jest raportem ważenia.");
    EXPECT_TRUE(printer.printed.empty());

    auto logged = wanted("WZ/5", 1);
    logged.user = "ŁUKASZ";
    log_process(dir.path(), "202403", logged);
    report.current_month();
    report.refresh();
    report.select_row(0);
    dialogs.copies.push_back(2);
    report.print_wz_again();
    ASSERT_EQ(printer.printed.size(), 2u);
    EXPECT_EQ(printer.printed[1].title, "Dokument_WZ 2024/03/05, 12:00.00 c2");
    const auto lines = printer.printed[0].plain_lines();
    EXPECT_EQ(lines[23], std::string(10, ' ') + "Operator:          ŁUKASZ");
    EXPECT_EQ(lines[26], std::string(10, ' ') + "      waga 1:         200.0 kg");
    EXPECT_EQ(status_bar, "Drukarka testowa");
}

TEST_F(WeighingReportTest, AVanishedLogIsReportedAtSelectionAndReprint) {
    log_process(dir.path(), "202403", wanted("WZ/6", 1));
    report.current_month();
    report.refresh();
    std::filesystem::remove(dir / "202403.txt");
    report.select_row(0);
    ASSERT_EQ(dialogs.journal.size(), 1u);
    EXPECT_EQ(dialogs.last().rfind("błąd: Brak pliku z danymi:", 0), 0u);
    EXPECT_TRUE(report.details().empty());
    report.print_wz_again();
    EXPECT_EQ(dialogs.journal.size(), 2u);
    EXPECT_TRUE(printer.printed.empty());
}

TEST_F(WeighingReportTest, ARefusedRefreshKeepsTheList) {
    log_process(dir.path(), "202403", wanted("WZ/7", 1));
    report.current_month();
    report.refresh();
    report.select_row(0);
    report.set_date_from("2024-03-31");
    report.refresh();
    EXPECT_EQ(report.rows().size(), 2u);
    EXPECT_EQ(report.selected_row(), std::optional<std::size_t>(0));
    EXPECT_FALSE(report.details().empty());
}

}  // namespace
}  // namespace wazenie
