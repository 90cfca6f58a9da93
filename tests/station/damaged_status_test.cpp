#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "station/station.h"
#include "storage/process_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

namespace fs = std::filesystem;

// One start, login and close over `dir`; gives what the operator was told.
std::vector<std::string> run_once(const fs::path& dir) {
    testing::FakeSerialLink link;
    testing::FakeClock clock;  // the same second every run: copies must not collide
    testing::FakeDialogs dialogs;
    testing::FakeDisplay display;
    Station station(dir, link, clock, dialogs, display);
    station.start_up();
    station.log_in("JAN");
    station.close();
    return dialogs.journal;
}

std::vector<fs::path> files_in(const fs::path& dir) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DamagedStatusFile, IsKeptWithItsBytesUnderANewNameBeforeTheCloseRewritesIt) {
    const std::string unreadable =
        "r\tWZ/7/2024\t2024-03-04 10:00:00\t---\t2\t3\t3\t100\t300\tB20\t\tJAN\r\n"
        "w\t1\t1OO.0\t0\t0\t0\t1\t0\t2\t1\t1\r\n";
    const std::string no_process_line = std::string(64, '\0');
    for (const std::string& bytes : {unreadable, no_process_line}) {
        testing::ScratchDir dir;
        const fs::path status = status_file_path(dir.path());
        const fs::path first = dir / "status-uszkodzony-20240305-000000.txt";
        const fs::path second = dir / "status-uszkodzony-20240305-000000-2.txt";
        testing::write_bytes(status, bytes);

        const auto told = run_once(dir.path());
        ASSERT_EQ(told.size(), 2u);
        EXPECT_EQ(told[0].rfind("błąd: ", 0), 0u) << told[0];
        EXPECT_EQ(told[1],
                  "ostrzeżenie: Uszkodzony plik " + status.string() + " zachowano jako:\r" + first.string());
        EXPECT_EQ(testing::read_bytes(first), bytes);
        EXPECT_NE(testing::read_bytes(status), bytes);

        // Damaged again within the same second: the first copy stays as it was.
        testing::write_bytes(status, bytes + "x");
        EXPECT_NE(run_once(dir.path()).back().find(second.string()), std::string::npos);
        EXPECT_EQ(testing::read_bytes(first), bytes);
        EXPECT_EQ(testing::read_bytes(second), bytes + "x");
    }
}

TEST(DamagedStatusFile, CleanOrEmptyStatusFileMakesNoCopy) {
    testing::ScratchDir dir;
    ASSERT_TRUE(run_once(dir.path()).empty());  // writes a clean status file
    const auto before = files_in(dir.path());
    EXPECT_TRUE(run_once(dir.path()).empty());
    testing::write_bytes(status_file_path(dir.path()), "");
    EXPECT_TRUE(run_once(dir.path()).empty());
    EXPECT_EQ(files_in(dir.path()), before);
}

}  // namespace
}  // namespace wazenie
