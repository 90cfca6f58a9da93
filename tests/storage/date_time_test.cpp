#include "storage/date_time.h"

#include "storage/system_clock.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return make_date_time({y, mo, d, h, mi, s, ms}).value();
}

TEST(DateTime, CountsDaysFromTheEndOf1899) {
    EXPECT_DOUBLE_EQ(at(1899, 12, 30), 0);
    EXPECT_DOUBLE_EQ(at(1900, 1, 1), 2);
    EXPECT_DOUBLE_EQ(at(2024, 3, 5), 45356);
    EXPECT_DOUBLE_EQ(at(2024, 3, 5, 12), 45356.5);
    EXPECT_DOUBLE_EQ(at(1899, 12, 29), -1);
}

TEST(DateTime, RefusesDatesAndTimesThatDoNotExist) {
    EXPECT_TRUE(make_date_time({2024, 2, 29, 0, 0, 0, 0}));
    EXPECT_TRUE(make_date_time({2000, 2, 29, 0, 0, 0, 0}));
    EXPECT_FALSE(make_date_time({2023, 2, 29, 0, 0, 0, 0}));
    EXPECT_FALSE(make_date_time({1900, 2, 29, 0, 0, 0, 0}));
    EXPECT_FALSE(make_date_time({2024, 4, 31, 0, 0, 0, 0}));
    EXPECT_FALSE(make_date_time({2024, 13, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(make_date_time({2024, 1, 1, 24, 0, 0, 0}));
    EXPECT_FALSE(make_date_time({2024, 1, 1, 0, 60, 0, 0}));
    EXPECT_FALSE(make_date_time({2024, 1, 1, 0, 0, 60, 0}));
}

TEST(DateTime, SplitsBackToTheSameParts) {
    for (const DateTimeParts& parts :
         {DateTimeParts{2024, 2, 29, 23, 59, 59, 999}, DateTimeParts{2000, 12, 31, 7, 8, 9, 512},
          DateTimeParts{1999, 1, 1, 0, 0, 0, 1}, DateTimeParts{2100, 3, 1, 12, 0, 0, 0}}) {
        EXPECT_EQ(split_date_time(*make_date_time(parts)), parts);
    }
}

TEST(DateTime, ATimeJustBelowASecondShowsThatSecond) {
    const DateTime t = at(2024, 3, 5, 7, 8, 9) - 1e-10;  // 9 microseconds early
    EXPECT_EQ(file_date_time(t), "2024-03-05 07:08:09");
    EXPECT_EQ(file_date_time(at(2024, 3, 5, 23, 59, 59, 999) + 0.4 / 86'400'000), "2024-03-05 23:59:59");
}

TEST(DateTime, TheFormsOfFilesScreensPrintoutsAndLogs) {
    const DateTime t = at(2024, 3, 5, 7, 8, 9, 512);
    EXPECT_EQ(file_date_time(t), "2024-03-05 07:08:09");
    EXPECT_EQ(screen_date_time(t), "2024-03-05     07:08:09");
    EXPECT_EQ(print_date(t), "2024/03/05");
    EXPECT_EQ(print_time(t), "07:08");
    EXPECT_EQ(print_time_seconds(t), "07:08.09");
    EXPECT_EQ(log_time(at(2024, 3, 5, 14, 3, 27, 512)), "14-03-27.512");
    EXPECT_EQ(month_key(t), "202403");
    EXPECT_EQ(compact_date_time(t), "20240305_070809");
}

TEST(DateTime, ZeroIsNotSet) {
    EXPECT_EQ(file_date_time(0), "---");
    EXPECT_EQ(screen_date_time(0), "---");
    EXPECT_EQ(print_date(0), "---");
    EXPECT_EQ(print_time(0), "---");
}

TEST(ParseDateTime, ReadsFixedPositions) {
    EXPECT_EQ(parse_date_time("2024-03-05 07:08:09"), at(2024, 3, 5, 7, 8, 9));
    EXPECT_EQ(parse_date_time("2024/03/05T07.08.09"), at(2024, 3, 5, 7, 8, 9));  // separators are not read
    EXPECT_EQ(parse_date_time("2024-03-05 07:08:09 and more"), at(2024, 3, 5, 7, 8, 9));
    EXPECT_FALSE(parse_date_time("---"));
    EXPECT_FALSE(parse_date_time("2024-03-05 07:08"));
    EXPECT_FALSE(parse_date_time("2024-02-30 07:08:09"));
    EXPECT_FALSE(parse_date_time("2024-03-05 25:08:09"));
    EXPECT_FALSE(parse_date_time("2024-0a-05 07:08:09"));
    EXPECT_FALSE(parse_date_time("2024--3-05 07:08:09"));
}

TEST(SystemClock, GivesTheDateOfThisCentury) {
    const DateTime now = SystemClock{}.now();
    EXPECT_GT(now, 36526);  // 2000-01-01
    EXPECT_LT(now, 73051);  // 2100-01-01
}

}  // namespace
}  // namespace wazenie
