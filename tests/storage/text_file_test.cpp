#include "storage/text_file.h"

#include "fakes/scratch_dir.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::read_bytes;
using testing::ScratchDir;
using testing::write_bytes;

class TextFile : public ::testing::Test {
protected:
    void TearDown() override { text_file::reset_faults(); }
    ScratchDir dir;
};

TEST_F(TextFile, WritesWindows1250WithCrLf) {
    ASSERT_TRUE(text_file::write_lines(dir / "a.txt", {"Żwir", "", "b\tc"}));
    EXPECT_EQ(read_bytes(dir / "a.txt"), "\xAFwir\r\n\r\nb\tc\r\n");
}

TEST_F(TextFile, ALineBreakInsideALineCannotSplitTheRecord) {
    ASSERT_TRUE(text_file::write_lines(dir / "a.txt", {"one\rtwo\nthree"}));
    EXPECT_EQ(read_bytes(dir / "a.txt"), "one two three\r\n");
}

TEST_F(TextFile, ReadsCrLfAndLfAndALastLineWithoutEnd) {
    write_bytes(dir / "a.txt", "\xAFwir\r\nsand\n\nlast");
    const auto lines = text_file::read_lines(dir / "a.txt");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"Żwir", "sand", "", "last"}));
}

TEST_F(TextFile, ALoneCrIsKeptInDataLinesAndEndsAHandEditedOne) {
    write_bytes(dir / "a.txt", "a\rb\r\r\nc\r\n\rd\r");
    EXPECT_EQ(*text_file::read_lines(dir / "a.txt"), (std::vector<std::string>{"a\rb\r", "c", "\rd"}));
    EXPECT_EQ(*text_file::read_lines(dir / "a.txt", text_file::LineEnds::also_lone_cr),
              (std::vector<std::string>{"a", "b", "c", "", "d"}));
}

TEST_F(TextFile, AnEmptyFileHasNoLinesAndAMissingOneIsAnError) {
    write_bytes(dir / "empty.txt", "");
    EXPECT_TRUE(text_file::read_lines(dir / "empty.txt")->empty());
    const auto missing = text_file::read_lines(dir / "none.txt");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().what, "missing");
    EXPECT_EQ(missing.error().where, (dir / "none.txt").string());
    EXPECT_FALSE(text_file::read_lines(dir.path()));  // a directory is not a file
}

TEST_F(TextFile, AppendAddsAtTheEndAndCreatesTheFile) {
    ASSERT_TRUE(text_file::append_lines(dir / "log.txt", {"one"}));
    ASSERT_TRUE(text_file::append_lines(dir / "log.txt", {"two", "three"}));
    EXPECT_EQ(read_bytes(dir / "log.txt"), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(TextFile, ReplaceSwapsInTheNewContentAndLeavesNoWorkFile) {
    write_bytes(dir / "data.txt", "old\r\n");
    ASSERT_TRUE(text_file::replace_atomically(dir / "data.txt", dir / "work.txt", {"new"}));
    EXPECT_EQ(read_bytes(dir / "data.txt"), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "work.txt"));
}

TEST_F(TextFile, AFailedCreateLeavesTheTargetAsItWas) {
    write_bytes(dir / "data.txt", "old\r\n");
    text_file::inject_faults({.fail_create = true});
    const auto replaced = text_file::replace_atomically(dir / "data.txt", dir / "work.txt", {"new"});
    ASSERT_FALSE(replaced);
    EXPECT_EQ(replaced.error().what, "create");
    EXPECT_EQ(replaced.error().where, (dir / "work.txt").string());
    EXPECT_EQ(read_bytes(dir / "data.txt"), "old\r\n");
}

TEST_F(TextFile, AFailedLineLeavesTheTargetAndRemovesTheWorkFile) {
    write_bytes(dir / "data.txt", "old\r\n");
    text_file::inject_faults({.fail_write_line = 1});
    const auto replaced = text_file::replace_atomically(dir / "data.txt", dir / "work.txt", {"a", "b", "c"});
    ASSERT_FALSE(replaced);
    EXPECT_EQ(replaced.error().what, "write");
    EXPECT_EQ(replaced.error().line, 2);
    EXPECT_EQ(read_bytes(dir / "data.txt"), "old\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "work.txt"));
}

TEST_F(TextFile, AFailedPlainWriteKeepsTheLinesBeforeIt) {
    text_file::inject_faults({.fail_write_line = 2});
    const auto written = text_file::write_lines(dir / "m.txt", {"a", "b", "c", "d"});
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().line, 3);
    EXPECT_EQ(read_bytes(dir / "m.txt"), "a\r\nb\r\n");
}

TEST_F(TextFile, AFailedRenameLeavesTheOldFile) {
    write_bytes(dir / "data.txt", "old\r\n");
    text_file::inject_faults({.fail_rename = true});
    const auto replaced = text_file::replace_atomically(dir / "data.txt", dir / "work.txt", {"new"});
    ASSERT_FALSE(replaced);
    EXPECT_EQ(replaced.error().what, "rename");
    EXPECT_EQ(read_bytes(dir / "data.txt"), "old\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "work.txt"));
}

TEST_F(TextFile, AMissingDirectoryIsACreateError) {
    const auto written = text_file::write_lines(dir / "no" / "such" / "dir.txt", {"x"});
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().what, "create");
}

TEST_F(TextFile, FaultsLastUntilReset) {
    text_file::inject_faults({.fail_create = true});
    EXPECT_FALSE(text_file::write_lines(dir / "a.txt", {"x"}));
    EXPECT_FALSE(text_file::append_lines(dir / "a.txt", {"x"}));
    text_file::reset_faults();
    EXPECT_TRUE(text_file::write_lines(dir / "a.txt", {"x"}));
}

}  // namespace
}  // namespace wazenie
