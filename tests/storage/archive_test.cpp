#include "storage/archive.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_folder_choice.h"
#include "fakes/fake_process_runner.h"
#include "fakes/scratch_dir.h"
#include "storage/date_time.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using namespace wazenie::testing;

class ArchiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(base / "dane");
        std::filesystem::create_directories(target);
        for (const char* name : {"klienci.txt", "202403.txt", "operatorzy.txt", "konfig.ini"}) {
            write_bytes(base / "dane" / name, name);
        }
        clock.time = *make_date_time({2024, 3, 5, 7, 8, 9, 0});
        folders.folder = target;
    }
    void run() { archive_data(base / "dane", {folders, runner, dialogs, clock}); }

    ScratchDir dir;
    std::filesystem::path base = dir / "program";
    std::filesystem::path target = dir / "pendrive";
    FakeFolderChoice folders;
    FakeProcessRunner runner;
    FakeDialogs dialogs;
    FakeClock clock;
};

// A month's log goes with the chain that signs it.
TEST_F(ArchiveTest, TheChainsGoWithTheirLogs) {
    write_bytes(base / "dane" / "202403.sha", "r");
    EXPECT_EQ(archive_file_arguments(base / "dane"),
              (std::vector<std::string>{"dane/202403.sha", "dane/202403.txt", "dane/klienci.txt",
                                        "dane/operatorzy.txt"}));
}

TEST_F(ArchiveTest, CancelledFolderChoiceDoesNothing) {
    folders.folder.reset();
    run();
    EXPECT_EQ(folders.prompts, std::vector<std::string>{"Wskaż katalog docelowy:"});
    EXPECT_TRUE(runner.calls.empty());
    EXPECT_TRUE(dialogs.journal.empty());
}

TEST_F(ArchiveTest, ArchiverGetsTheNameAndEveryTextFileAndTheResultIsMoved) {
    runner.effect = [](const FakeProcessRunner::Call& call) {
        write_bytes(call.working_directory / (call.arguments.at(0) + ".zip"), "PK");
    };
    run();
    ASSERT_EQ(runner.calls.size(), 1u);
    const auto& call = runner.calls[0];
    EXPECT_EQ(call.program, std::filesystem::path("zip"));  // no dane/zip: the system's
    EXPECT_EQ(call.working_directory, base);
    const std::vector<std::string> arguments = {"Arch_waga_sam_20240305_070809", "dane/202403.txt",
                                                "dane/klienci.txt", "dane/operatorzy.txt"};
    EXPECT_EQ(call.arguments, arguments);
    const auto archive = target / "Arch_waga_sam_20240305_070809.zip";
    EXPECT_EQ(dialogs.journal,
              std::vector<std::string>{"informacja: Utworzono plik archiwum: " + archive.string()});
    EXPECT_EQ(read_bytes(archive), "PK");
    EXPECT_FALSE(std::filesystem::exists(base / "Arch_waga_sam_20240305_070809.zip"));
}

// --data may name a folder of any name: the archive holds it under that name.
TEST_F(ArchiveTest, ADataFolderOfAnotherNameIsArchivedUnderItsOwnName) {
    std::filesystem::create_directories(base / "moje_dane");
    write_bytes(base / "moje_dane" / "klienci.txt", "K");
    archive_data(base / "moje_dane" / "", {folders, runner, dialogs, clock});
    ASSERT_EQ(runner.calls.size(), 1u);
    EXPECT_EQ(runner.calls[0].working_directory, base);
    EXPECT_EQ(runner.calls[0].arguments,
              (std::vector<std::string>{"Arch_waga_sam_20240305_070809", "moje_dane/klienci.txt"}));
}

TEST_F(ArchiveTest, OwnArchiverIsPreferredAndAMissingResultIsAnError) {
    write_bytes(base / "dane" / "zip", "#!/bin/sh\n");
    runner.exit_code.reset();  // did not start or did not end in time
    run();
    ASSERT_EQ(runner.calls.size(), 1u);
    EXPECT_EQ(runner.calls[0].program, std::filesystem::absolute(base / "dane" / "zip"));
    const auto archive = target / "Arch_waga_sam_20240305_070809.zip";
    EXPECT_EQ(dialogs.journal,
              std::vector<std::string>{
                  "błąd: Błąd podczas tworzenia pliku archiwum: " + archive.string() +
                  "\rMożliwe przyczyny błędu to: \r- brak miejsca na lokalnym dysku\r"
                  "- brak praw do zapisu na lokalnym dysku\r- brak miejsca na docelowym dysku\r"
                  "- brak praw do zapisu na docelowym dysku\r- brak pliku dane/zip\r"});
}

TEST_F(ArchiveTest, RefusedMoveLeavesTheArchiveWhereItWas) {
    runner.effect = [](const FakeProcessRunner::Call& call) {
        write_bytes(call.working_directory / (call.arguments.at(0) + ".zip"), "PK");
    };
    folders.folder = dir / "nie_ma_takiego";
    run();
    EXPECT_EQ(dialogs.last().rfind("błąd: Błąd podczas tworzenia pliku archiwum: ", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(base / "Arch_waga_sam_20240305_070809.zip"));
}

}  // namespace
}  // namespace wazenie
