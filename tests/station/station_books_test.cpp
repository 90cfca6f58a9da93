#include <algorithm>

#include "comm/exchange_log.h"
#include "station/station_rig.h"
#include "storage/month_books_check.h"
#include "storage/month_log.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

// A process of one cycle on scale 1 with the card of its dry targets, logged.
void run_one(StationRig& rig) {
    rig.station.load_weighing_params(rig.p, {{1, 1, "M1", MaterialKind::cement, 100, 0, 100},
                                             {1, 2, "M2", MaterialKind::aggregate, 48, 4, 50}});
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until_finished());
}

// The log and the card are signed as they are appended; a signature that cannot be written leaves the
// record, says so once, and is made up by the next process.
TEST(StationBooks, EveryAppendIsSignedAndAFailedSignatureIsMadeUpLater) {
    StationRig rig;
    rig.enable_only({1});
    rig.set_cycles(1);
    rig.give_recipe(1, {100, 50});
    const std::string month = *log_month(month_log_path(rig.dir.path(), rig.clock.now()));
    const auto chain = rig.dir / (month + ".sha");

    run_one(rig);
    BookReport report = check_month_books(rig.dir.path(), month);
    EXPECT_TRUE(report.findings.empty());
    EXPECT_EQ(report.lines.size(), 3u);

    std::filesystem::rename(chain, rig.dir / "kopia.sha");
    std::filesystem::create_directory(chain);  // cannot be appended to
    run_one(rig);
    run_one(rig);
    EXPECT_EQ(rig.log_records().size(), 3u);
    EXPECT_EQ(rig.count_messages("ostrzeżenie: Nie udało się zapisać podpisu do pliku: " + chain.string()),
              1);
    EXPECT_EQ(rig.count_messages("ostrzeżenie: Nie udało się zapisać podpisu"), 1);
    const auto& lines = rig.station.exchange_log().lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) {
                                return line.find("błąd zapisu podpisu") != std::string::npos;
                            }),
              4);  // the log and the card of two processes

    std::filesystem::remove(chain);
    std::filesystem::rename(rig.dir / "kopia.sha", chain);
    run_one(rig);
    report = check_month_books(rig.dir.path(), month);
    EXPECT_TRUE(report.findings.empty()) << report.findings[0];
    EXPECT_NE(report.lines[1].find(": 4 zapisy (w tym 2 bez podpisu), zgodne"), std::string::npos)
        << report.lines[1];
}

}  // namespace
}  // namespace wazenie::testing
