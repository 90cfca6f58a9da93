#include "station/start_checks.h"

#include "fakes/fake_dialogs.h"

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

}  // namespace
}  // namespace wazenie
