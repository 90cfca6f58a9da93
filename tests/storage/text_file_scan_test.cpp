#include "fakes/scratch_dir.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::ScratchDir;
using testing::write_bytes;

TEST(ForEachLine, ConvertsFiltersAndStops) {
    ScratchDir dir;
    const auto file = dir / "log.txt";
    // "Łódź" in Windows-1250, CR LF and a last line with LF only and one without an end.
    write_bytes(file, "r\t\xA3\xF3\x64\x9F\r\nw\t1\r\nrr\t2\nr\t3");
    std::vector<std::string> all;
    ASSERT_TRUE(text_file::for_each_line(file, [&](std::string_view l) {
        all.emplace_back(l);
        return true;
    }));
    EXPECT_EQ(all, (std::vector<std::string>{"r\tŁódź", "w\t1", "rr\t2", "r\t3"}));

    std::vector<std::string> r_lines;
    ASSERT_TRUE(text_file::for_each_line(
        file,
        [&](std::string_view l) {
            r_lines.emplace_back(l);
            return true;
        },
        "r\t"));
    EXPECT_EQ(r_lines, (std::vector<std::string>{"r\tŁódź", "r\t3"}));

    int seen = 0;
    ASSERT_TRUE(text_file::for_each_line(file, [&](std::string_view) { return ++seen < 2; }));
    EXPECT_EQ(seen, 2);

    auto missing = text_file::for_each_line(dir / "brak.txt", [](std::string_view) { return true; });
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().what, "missing");
}

std::vector<std::string> scan(const std::filesystem::path& file, std::size_t block) {
    std::vector<std::string> lines;
    const auto read = text_file::for_each_line(
        file,
        [&](std::string_view line) {
            lines.emplace_back(line);
            return true;
        },
        "r\t", block);
    EXPECT_TRUE(read.ok());
    return lines;
}

TEST(ForEachLine, FindsEveryProcessLineWhereverTheBlocksEnd) {
    ScratchDir dir;
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
    write_bytes(dir / "202403.txt", bytes);
    const std::vector<std::string> expected = {"r\tWZ/1\t2024-03-01 10:00:00", "r\tWZ/2\tŁódź",
                                               "r\tWZ/3 bez CR", "r\tWZ/4"};
    for (std::size_t block = 1; block <= bytes.size() + 1; ++block) {
        EXPECT_EQ(scan(dir / "202403.txt", block), expected) << "block " << block;
    }
}

// Runs of whole lines, each from a line that begins with the run's start to before the next, however
// the blocks fall: the bytes come as the file has them.
TEST(ForEachRun, RunsBeginAtTheirLinesWhereverTheBlocksEnd) {
    ScratchDir dir;
    const std::string bytes = ";r\tnag\r\nr\tA\r\nw\tr\t\xaf\r\nr\r\nr\tB\nrr\r\nr\tC";
    write_bytes(dir / "a.txt", bytes);
    for (std::size_t block = 1; block <= bytes.size() + 1; ++block) {
        std::string all;
        std::size_t runs = 0;
        ASSERT_TRUE(text_file::for_each_run(
            dir / "a.txt",
            [&](std::string_view run) {
                EXPECT_TRUE(runs++ == 0 || run.starts_with("r\t")) << "block " << block;
                all += run;
                EXPECT_TRUE(all.size() == bytes.size() || all.back() == '\n') << "block " << block;
                return true;
            },
            "r\t", block));
        EXPECT_EQ(all, bytes);
        if (block == 1) {
            // Read a byte at a time, every record starts a run: the header, A, B and C.
            EXPECT_EQ(runs, 4u);
        }
    }
}

TEST(ForEachLine, FirstLineAndEmptyFile) {
    ScratchDir dir;
    write_bytes(dir / "a.txt", "r\tA\r\nr\tB\r\n");
    EXPECT_EQ(scan(dir / "a.txt", text_file::kScanBlock), (std::vector<std::string>{"r\tA", "r\tB"}));
    write_bytes(dir / "b.txt", "");
    EXPECT_TRUE(scan(dir / "b.txt", 7).empty());
}

// Lines are searched eight bytes at a time: a letter or a line end at any place in those eight.
TEST(ForEachLine, LettersAndLineEndsWhereverTheyFall) {
    ScratchDir dir;
    std::string bytes;
    std::vector<std::string> expected;
    for (std::size_t length = 1; length <= 17; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            std::string line(length, 'a');
            line[at] = '\x8a';  // "Š"
            bytes += line + (at % 2 ? "\r\n" : "\n") + std::string(at, 'x') + "\n";
            expected.push_back(std::string(at, 'a') + "Š" + std::string(length - at - 1, 'a'));
            expected.push_back(std::string(at, 'x'));
        }
    }
    write_bytes(dir / "a.txt", bytes);
    std::vector<std::string> lines;
    ASSERT_TRUE(text_file::for_each_line(dir / "a.txt", [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    }));
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace wazenie
