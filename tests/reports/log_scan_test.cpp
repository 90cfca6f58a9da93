#include "reports/log_scan.h"

#include <gtest/gtest.h>

#include "fakes/scratch_dir.h"

namespace wazenie {
namespace {

std::vector<std::string> scan(const std::filesystem::path& file, std::size_t block) {
    std::vector<std::string> lines;
    const auto read = scan_process_lines(
        file, [&](std::string_view line) { lines.emplace_back(line); }, block);
    EXPECT_TRUE(read.ok());
    return lines;
}

TEST(LogScanTest, FindsEveryProcessLineWhereverTheBlocksEnd) {
    testing::ScratchDir dir;
    // Windows-1250 "Żwir" and "Łódź"; "r" inside other lines and a last line without its line end.
    const std::string bytes =
        ";r\tr.weight_doc\r\n"
        "r\tWZ/1\t2024-03-01 10:00:00\r\n"
        "wm\t1\t1\t\xafwir\t1.0\r\n"
        "wm\t1\t2\tr\t2.0\r\n"
        "r\tWZ/2\t\xa3\xf3\x64\x9f\r\n"
        "r\r\n"
        "rr\tX\r\n"
        "r\tWZ/3 bez CR\n"
        "w\t1\tr\t\r\n"
        "r\tWZ/4";
    testing::write_bytes(dir / "202403.txt", bytes);
    const std::vector<std::string> expected = {"r\tWZ/1\t2024-03-01 10:00:00", "r\tWZ/2\tŁódź",
                                               "r\tWZ/3 bez CR", "r\tWZ/4"};
    for (std::size_t block = 1; block <= bytes.size() + 1; ++block) {
        EXPECT_EQ(scan(dir / "202403.txt", block), expected) << "block " << block;
    }
}

TEST(LogScanTest, FirstLineAndEmptyFile) {
    testing::ScratchDir dir;
    testing::write_bytes(dir / "a.txt", "r\tA\r\nr\tB\r\n");
    EXPECT_EQ(scan(dir / "a.txt", kScanBlock), (std::vector<std::string>{"r\tA", "r\tB"}));
    testing::write_bytes(dir / "b.txt", "");
    EXPECT_TRUE(scan(dir / "b.txt", 7).empty());
}

TEST(LogScanTest, MissingFile) {
    testing::ScratchDir dir;
    const auto read = scan_process_lines(dir / "202401.txt", [](std::string_view) { FAIL(); });
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().what, "missing");
}

}  // namespace
}  // namespace wazenie
