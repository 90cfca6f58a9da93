#include "station/start_checks.h"

#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "storage/date_time.h"
#include "storage/month_chain.h"
#include "storage/month_log.h"
#include "storage/process_file.h"
#include "storage/settings.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::FakeDialogs;

TEST(StartChecks, FreeSpaceWarnsBelowOneMegabyteAndReportsAFailedQuery) {
    const std::string warning =
        "ostrzeżenie: Zbyt mało wolnego miejsca na dysku!\rProgram potrzebuje około 1MB wolnej przestrzeni "
        "do prawidłowego funkcjonowania.";
    FakeDialogs dialogs;
    report_free_space(1000000, dialogs);
    EXPECT_TRUE(dialogs.journal.empty());

    report_free_space(999999, dialogs);
    report_free_space(-1, dialogs);
    report_free_space(std::nullopt, dialogs);
    EXPECT_EQ(dialogs.journal,
              (std::vector<std::string>{
                  warning, warning, "błąd: Błąd przy próbie sprawdzania ilości wolnego miejsca na dysku."}));
}

// Nothing for a month without chain or one that holds; one warning naming what does not.
TEST(StartChecks, TheMonthsBooksWarnOnceWhenTheyDoNotHold) {
    testing::ScratchDir dir;
    const DateTime now = *make_date_time({2024, 3, 5, 7, 0, 0, 0});
    const auto log = month_log_path(dir.path(), "202403");
    FakeDialogs dialogs;
    ProcessState p;
    p.r.weight_doc = "WZ/1/24";
    ASSERT_TRUE(save_process(p, Settings{}, log, true));
    report_month_books(dir.path(), now, dialogs);
    MonthChainWriter chain;
    const auto before = book_bytes(log);
    ASSERT_TRUE(save_process(p, Settings{}, log, true));
    ASSERT_TRUE(chain.sign_appended(dir.path(), "202403", BookKind::log, before));
    report_month_books(dir.path(), now, dialogs);
    EXPECT_TRUE(dialogs.journal.empty());

    testing::write_bytes(log, testing::read_bytes(log) + "r\tWZ/2/24\t---\r\n");
    report_month_books(dir.path(), now, dialogs);
    ASSERT_EQ(dialogs.journal.size(), 1u);
    EXPECT_EQ(dialogs.journal[0].rfind(
                  "ostrzeżenie: Zapisy miesiąca 202403 nie zgadzają się z ich podpisami:\r", 0),
              0u);
    EXPECT_NE(dialogs.journal[0].find("202403.txt linia 24: zapis WZ/2/24 bez wpisu"), std::string::npos)
        << dialogs.journal[0];
}

}  // namespace
}  // namespace wazenie
