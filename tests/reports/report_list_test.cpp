#include "reports/report_list.h"

#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "reports/logged_processes.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::log_process;
using testing::LoggedProcess;

class ReportListTest : public ::testing::Test {
protected:
    std::vector<ReportRow> build(const std::string& from, const std::string& to,
                                 const std::string& client = "", const std::string& recipe = "") {
        auto list = build_report(dir.path(), {from, to, client, recipe}, 1, dialogs);
        return list ? list->rows : std::vector<ReportRow>{};
    }
    static std::vector<std::string> docs(const std::vector<ReportRow>& rows) {
        std::vector<std::string> out;
        for (const auto& row : rows) {
            out.push_back(row.weight_doc);
        }
        return out;
    }
    void log(const std::string& month, const std::string& doc, const std::string& start,
             const std::string& stop) {
        LoggedProcess wanted;
        wanted.doc = doc;
        wanted.start = start;
        wanted.stop = stop;
        log_process(dir.path(), month, wanted);
    }

    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
};

TEST_F(ReportListTest, MonthsAcrossTheTurnOfTheYearSkipTheNumbersBetween) {
    const auto months = report_months(202312, 202401);
    EXPECT_EQ(months, (std::vector<int>{202312, 202401}));
    EXPECT_EQ(202401 - 202312 + 1 - static_cast<int>(months.size()), 88);
    EXPECT_EQ(report_months(202403, 202403), std::vector<int>{202403});
    EXPECT_EQ(report_months(202211, 202402).size(), 16u);

    log("202312", "WZ/1/23", "2023-12-30 10:00:00", "2023-12-30 10:30:00");
    log("202401", "WZ/1/24", "2024-01-02 10:00:00", "2024-01-02 10:30:00");
    // A file under a number that is no month is never read.
    log("202313", "WZ/X", "2023-12-31 10:00:00", "2023-12-31 10:30:00");
    EXPECT_EQ(docs(build("2023-12-01", "2024-01-31")), (std::vector<std::string>{"WZ/1/23", "WZ/1/24", ""}));
    EXPECT_TRUE(dialogs.journal.empty());
}

TEST_F(ReportListTest, ProcessEndedNextMonthCountsUnderItsLogMonthWithItsStartDay) {
    log("202402", "WZ/31", "2024-01-31 23:50:00", "2024-02-01 00:20:00");
    EXPECT_EQ(docs(build("2024-01-01", "2024-02-28")), std::vector<std::string>{kNoMeasurements});
    EXPECT_EQ(docs(build("2024-02-01", "2024-03-05")), (std::vector<std::string>{"WZ/31", ""}));
    EXPECT_EQ(docs(build("2024-01-01", "2024-01-31")), std::vector<std::string>{kNoMeasurements});
    // February is also the end month of this range, and 31 is after its end day.
    EXPECT_EQ(docs(build("2024-02-01", "2024-02-01")), std::vector<std::string>{kNoMeasurements});
}

TEST_F(ReportListTest, RowsCarryTheLogTextsAndTheClientDatabase) {
    text_file::write_lines(dir / "klienci.txt", {"BUDEX\tBudex Sp. z o.o.\tul. Łąkowa 5\t123-456-78-90",
                                                 "BUDEX\tDrugi wpis\tx\ty"});
    LoggedProcess wanted;
    wanted.doc = "WZ/5/24";
    wanted.start = "2024-03-05 07:00:00";
    wanted.stop = "2024-03-05 07:40:00";
    wanted.user = "ANNA";
    wanted.cycles = 3;
    log_process(dir.path(), "202403", wanted);
    const auto rows = build("2024-03-01", "2024-03-31");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0],
              (ReportRow{"WZ/5/24", "2024-03-05 07:00:00", "2024-03-05 07:40:00", "900", "3", "B20", "BUDEX",
                         "Budex Sp. z o.o.", "ul. Łąkowa 5", "123-456-78-90", "ANNA", "202403"}));
    EXPECT_EQ(rows[1], (ReportRow{"", "", "RAZEM:", "900.0", "", "", "", "", "", "", "", ""}));
}

TEST_F(ReportListTest, TotalIsTheSumOfTheListedMassTexts) {
    // A hand-edited log with a comma and a mass that does not read: the list stays built from text.
    text_file::write_lines(dir / "202403.txt", {"r\tA\t2024-03-02 10:00:00\t---\t1\t1\t0\t12,5",
                                                "r\tB\t2024-03-02 11:00:00\t---\t1\t1\t0\t100.25",
                                                "r\tC\t2024-03-02 12:00:00\t---\t1\t1\t0\tdużo"});
    const auto rows = build("2024-03-01", "2024-03-31");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].mass, "12,5");
    EXPECT_EQ(rows[3].stop_time, "RAZEM:");
    EXPECT_EQ(rows[3].mass, "112.8");
}

TEST_F(ReportListTest, ClientAndRecipeFiltersIgnoreLetterCase) {
    auto add = [this](const std::string& doc, const std::string& client, const std::string& recipe) {
        LoggedProcess wanted;
        wanted.start = "2024-03-05 07:00:00";
        wanted.stop = "2024-03-05 07:40:00";
        wanted.doc = doc;
        wanted.client = client;
        wanted.recipe = recipe;
        log_process(dir.path(), "202403", wanted);
    };
    add("A", "ŻWIROWNIA ŁĄCKA", "B25 ŚCIANY");
    add("B", "BUDEX", "B20");
    EXPECT_EQ(docs(build("2024-03-01", "2024-03-31", "wirownia łą")), (std::vector<std::string>{"A", ""}));
    EXPECT_EQ(docs(build("2024-03-01", "2024-03-31", "", "ściany")), (std::vector<std::string>{"A", ""}));
    EXPECT_EQ(docs(build("2024-03-01", "2024-03-31", "budex", "ściany")),
              std::vector<std::string>{kNoMeasurements});
    EXPECT_EQ(docs(build("2024-03-01", "2024-03-31")), (std::vector<std::string>{"A", "B", ""}));
}

TEST_F(ReportListTest, ReversedRangeIsRefusedEqualDatesAreNot) {
    log("202403", "A", "2024-03-05 07:00:00", "2024-03-05 07:40:00");
    EXPECT_FALSE(build_report(dir.path(), {"2024-03-06", "2024-03-05", "", ""}, 0, dialogs));
    EXPECT_EQ(dialogs.last(), "błąd: Data początkowa musi być wcześniejsza od końcowej.");
    EXPECT_FALSE(build_report(dir.path(), {"2024-04-01", "2024-03-31", "", ""}, 0, dialogs));
    dialogs.clear();
    EXPECT_EQ(docs(build("2024-03-05", "2024-03-05")), (std::vector<std::string>{"A", ""}));
    EXPECT_FALSE(build_report(dir.path(), {"2024-3-5", "2024-03-05", "", ""}, 0, dialogs));
    EXPECT_EQ(dialogs.journal.size(), 1u);
}

TEST_F(ReportListTest, StartDayThatDoesNotReadIsReportedAndCountsAsZero) {
    text_file::write_lines(dir / "202403.txt",
                           {"r\tWZ/9\t2024-03-xx 10:00:00\t2024-03-07 10:00:00\t1\t1\t0\t5"});
    log("202404", "WZ/10", "2024-04-01 10:00:00", "2024-04-01 10:30:00");
    // Day 0 is before the start day of March but March is not the start month of this range.
    EXPECT_EQ(docs(build("2024-02-01", "2024-04-30")), (std::vector<std::string>{"WZ/9", "WZ/10", ""}));
    EXPECT_EQ(dialogs.journal, std::vector<std::string>{"błąd: Błędna data rozpoczęcia naważania w pliku: "
                                                        "dane/202403\rnr dokumentu wagowego: WZ/9"});
    dialogs.clear();
    EXPECT_EQ(docs(build("2024-03-01", "2024-03-31")), std::vector<std::string>{kNoMeasurements});
}

TEST_F(ReportListTest, ProcessStoppedBeforeItStartedTakesTheDayOfItsStop) {
    log("202403", "WZ/0", "---", "2024-03-07 10:00:00");
    EXPECT_EQ(docs(build("2024-03-07", "2024-03-07")), (std::vector<std::string>{"WZ/0", ""}));
    EXPECT_EQ(docs(build("2024-03-08", "2024-03-31")), std::vector<std::string>{kNoMeasurements});
    EXPECT_TRUE(dialogs.journal.empty());
}

TEST_F(ReportListTest, ShortAndHeaderLinesNeverBreakTheList) {
    text_file::write_lines(dir / "202403.txt",
                           {";r\tr.weight_doc", "r", "r\tX", "w\t1\t5", "r\tY\t2024-03-03"});
    const auto rows = build("2024-03-01", "2024-03-31");
    EXPECT_EQ(docs(rows), (std::vector<std::string>{"Y", ""}));
    EXPECT_EQ(dialogs.journal.size(), 1u);
}

// Months read on two threads list as one thread lists them: the rows in month order, each message in
// the order of the logs, an unreadable log among them.
TEST_F(ReportListTest, TwoThreadsListAsOne) {
    for (int month = 1; month <= 6; ++month) {
        const std::string key = "20240" + std::to_string(month);
        log(key, "WZ/" + std::to_string(month), "2024-0" + std::to_string(month) + "-05 10:00:00",
            "2024-0" + std::to_string(month) + "-05 10:30:00");
    }
    for (const std::string key : {"202402", "202405"}) {
        ASSERT_TRUE(
            text_file::append_lines(dir / (key + ".txt"), {"r\tZ/" + key + "\tbad\t2024-01-01 10:00:00"}));
    }
    std::filesystem::remove(dir / "202404.txt");
    std::filesystem::create_directory(dir / "202404.txt");
    std::vector<std::vector<std::string>> journals;
    std::vector<std::vector<ReportRow>> lists;
    for (const int threads : {1, 2}) {
        dialogs.clear();
        const auto list = build_report(dir.path(), {"2024-01-01", "2024-06-30", "", ""}, 1, dialogs, threads);
        ASSERT_TRUE(list);
        EXPECT_FALSE(list->complete);
        lists.push_back(list->rows);
        journals.push_back(dialogs.journal);
    }
    EXPECT_EQ(docs(lists[0]),
              (std::vector<std::string>{"WZ/1", "WZ/2", "Z/202402", "WZ/3", "WZ/5", "Z/202405", "WZ/6", ""}));
    EXPECT_EQ(lists[1], lists[0]);
    ASSERT_EQ(journals[0].size(), 3u);
    EXPECT_NE(journals[0][0].find("dane/202402"), std::string::npos);
    EXPECT_NE(journals[0][1].find("Błąd odczytu pliku z danymi"), std::string::npos);
    EXPECT_NE(journals[0][2].find("dane/202405"), std::string::npos);
    EXPECT_EQ(journals[1], journals[0]);
}

}  // namespace
}  // namespace wazenie
