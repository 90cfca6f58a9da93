#include "platform/data_location.h"

#include <filesystem>
#include <fstream>

#include "fakes/scratch_dir.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::ScratchDir;
namespace fs = std::filesystem;

TEST(DataLocation, ChoosesGivenThenBesideProgramThenAppData) {
    ScratchDir scratch;
    const auto program = scratch / "program";
    const auto app_data = scratch / "appdata";
    fs::create_directories(program / "dane");
    fs::create_directories(app_data / "dane");

    auto given = resolve_data_dir(scratch / "missing", program, app_data);
    ASSERT_TRUE(given);
    EXPECT_EQ(given->dir, scratch / "missing");
    EXPECT_FALSE(given->created);

    auto beside = resolve_data_dir(std::nullopt, program, app_data);
    ASSERT_TRUE(beside);
    EXPECT_EQ(beside->dir, program / "dane");

    fs::remove(program / "dane");
    auto own = resolve_data_dir(std::nullopt, program, app_data);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->dir, app_data / "dane");
    EXPECT_FALSE(own->created);
}

TEST(DataLocation, FirstStartMakesAppDataFolderOrSaysWhyNot) {
    ScratchDir scratch;
    const auto app_data = scratch / "deep" / "appdata";
    auto made = resolve_data_dir(std::nullopt, scratch.path(), app_data);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->dir, app_data / "dane");
    EXPECT_TRUE(made->created);
    EXPECT_TRUE(fs::is_directory(app_data / "dane"));
    EXPECT_GT(fs::file_size(app_data / "dane" / "konfig.ini"), 0u);

    // A file where a parent folder should be.
    std::ofstream(scratch / "blocked") << "x";
    auto refused = resolve_data_dir(std::nullopt, scratch.path(), scratch / "blocked" / "appdata");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().what,
              "Nie można utworzyć katalogu z danymi: " + (scratch / "blocked" / "appdata" / "dane").string());

    // No application data folder known: never `dane` in whatever the working folder is.
    EXPECT_FALSE(resolve_data_dir(std::nullopt, scratch.path(), fs::path()));
}

}  // namespace
}  // namespace wazenie
