#include <gtest/gtest.h>

#include "fakes/scratch_dir.h"
#include "storage/text_file.h"

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
    ASSERT_TRUE(text_file::for_each_line(file, [&](const std::string& l) {
        all.push_back(l);
        return true;
    }));
    EXPECT_EQ(all, (std::vector<std::string>{"r\tŁódź", "w\t1", "rr\t2", "r\t3"}));

    std::vector<std::string> r_lines;
    ASSERT_TRUE(text_file::for_each_line(
        file,
        [&](const std::string& l) {
            r_lines.push_back(l);
            return true;
        },
        "r\t"));
    EXPECT_EQ(r_lines, (std::vector<std::string>{"r\tŁódź", "r\t3"}));

    int seen = 0;
    ASSERT_TRUE(text_file::for_each_line(file, [&](const std::string&) { return ++seen < 2; }));
    EXPECT_EQ(seen, 2);

    auto missing = text_file::for_each_line(dir / "brak.txt", [](const std::string&) { return true; });
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().what, "missing");
}

}  // namespace
}  // namespace wazenie
