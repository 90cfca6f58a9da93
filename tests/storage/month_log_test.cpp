#include "storage/month_log.h"

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
