#include "platform/qt_process_runner.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_folder_choice.h"
#include "fakes/scratch_dir.h"
#include "storage/archive.h"
#include "storage/date_time.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using namespace wazenie::testing;

TEST(QtProcessRunner, ExitCodeMissingProgramAndTimeLimit) {
    QtProcessRunner runner;
    ScratchDir dir;
    EXPECT_EQ(runner.run("sh", {"-c", "exit 3"}, dir.path(), std::chrono::milliseconds(5000)), 3);
    EXPECT_FALSE(runner.run("nie-ma-takiego-programu", {}, dir.path(), std::chrono::milliseconds(5000)));
    EXPECT_FALSE(runner.run("sleep", {"5"}, dir.path(), std::chrono::milliseconds(200)));
    ASSERT_EQ(runner.run("sh", {"-c", "pwd > gdzie.txt"}, dir.path(), std::chrono::milliseconds(5000)), 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "gdzie.txt"));
}

// The whole archive with the system's archiver, when it is installed.
TEST(QtProcessRunner, ArchiveWithTheSystemArchiver) {
    QtProcessRunner runner;
    ScratchDir dir;
    if (!runner.run("zip", {"-h"}, dir.path(), std::chrono::milliseconds(5000))) {
        GTEST_SKIP() << "no zip";
    }
    std::filesystem::create_directories(dir / "dane");
    std::filesystem::create_directories(dir / "cel");
    write_bytes(dir / "dane" / "klienci.txt", "A\tB\r\n");
    write_bytes(dir / "dane" / "202403.txt", "r\r\n");
    FakeFolderChoice folders;
    folders.folder = dir / "cel";
    FakeDialogs dialogs;
    FakeClock clock;
    clock.time = *make_date_time({2024, 3, 5, 7, 8, 9, 0});
    archive_data(dir / "dane", {folders, runner, dialogs, clock});
    const auto archive = dir / "cel" / "Arch_waga_sam_20240305_070809.zip";
    EXPECT_EQ(dialogs.last(), "informacja: Utworzono plik archiwum: " + archive.string());
    EXPECT_EQ(read_bytes(archive).substr(0, 2), "PK");
}

}  // namespace
}  // namespace wazenie
