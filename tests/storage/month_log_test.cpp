#include "storage/month_log.h"

#include "fakes/scratch_dir.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(MonthLogTest, ALineSplitsIntoTheColumnsOfItsKindOnly) {
    const LogLine dose = read_log_line("wmc\t2\t3\t1\t101.5\tmore");
    EXPECT_EQ(dose.kind(), LogLineKind::dose);
    EXPECT_EQ(dose[dose_field::cycle], "1");
    EXPECT_EQ(dose[dose_field::curr_weight], "101.5");

    const LogLine r = read_log_line("r\tWZ/1\t\t---\t");
    EXPECT_EQ(r.kind(), LogLineKind::process);
    EXPECT_EQ(r[process_field::weight_doc], "WZ/1");
    EXPECT_EQ(r[process_field::start_time], "");
    EXPECT_EQ(r[process_field::stop_time], "---");
    EXPECT_EQ(r[process_field::curr_cycle], "");
    EXPECT_EQ(r[process_field::user_name], "");

    EXPECT_EQ(read_log_line("wc").kind(), LogLineKind::cycle);
    EXPECT_EQ(log_line_kind("wm"), LogLineKind::material);
    EXPECT_EQ(log_line_kind("rr\t1"), LogLineKind::other);
    EXPECT_EQ(read_log_line("wmcx\t1").kind(), LogLineKind::other);
    EXPECT_EQ(read_log_line(";wm\tweight_num")[material_field::kind], "");
}

TEST(MonthLogTest, RecordsHoldTheirLinesAsTheFileHasThem) {
    testing::ScratchDir dir;
    // Windows-1250 "Łódź" and "Żwir", a bare "r" inside a record and a last record cut short.
    testing::write_bytes(dir / "202403.txt",
                         ";r\tr.weight_doc\r\nwm\t1\r\nr\tWZ/"
                         "1\t\xa3\xf3\x64\x9f\r\nwm\t1\t1\t\xafwir\r\nr\r\nr\tWZ/2\nwmc\t1");
    std::vector<std::string> lines;
    std::vector<std::string> bodies;
    ASSERT_TRUE(for_each_record(dir / "202403.txt", [&](const LogRecord& record) {
        lines.emplace_back(record.process_line);
        EXPECT_EQ(record.process[process_field::weight_doc], lines.size() == 1 ? "WZ/1" : "WZ/2");
        bodies.emplace_back(record.body);
        return true;
    }));
    EXPECT_EQ(lines, (std::vector<std::string>{"r\tWZ/1\tŁódź", "r\tWZ/2"}));
    EXPECT_EQ(bodies, (std::vector<std::string>{"wm\t1\t1\t\xafwir\r\nr\r\n", "wmc\t1"}));
    EXPECT_EQ(log_text("\xafwir"), "Żwir");
    EXPECT_EQ(for_each_record(dir / "brak.txt", [](const LogRecord&) { return true; }).error().what,
              "missing");
}

TEST(MonthLogTest, AMonthLogIsNamedBySixDigits) {
    EXPECT_EQ(month_log_path("dane", 202403), std::filesystem::path("dane") / "202403.txt");
    EXPECT_EQ(log_month("dane/202403.txt"), "202403");
    EXPECT_EQ(log_month("dane/status.txt"), std::nullopt);
    EXPECT_EQ(log_month("dane/2024031.txt"), std::nullopt);
    EXPECT_EQ(log_month("dane/20240a.txt"), std::nullopt);
    EXPECT_EQ(log_month("dane/202403.bak"), std::nullopt);
}

}  // namespace
}  // namespace wazenie
