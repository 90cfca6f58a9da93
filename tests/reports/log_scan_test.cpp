#include "reports/log_scan.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(LogScanTest, ADateReadsFromTheStartOfItsTextAsTheNumberParserReadsItsParts) {
    EXPECT_EQ(date_at_start("2024-03-05 07:00:00")->ordinal(), 20240305);
    EXPECT_EQ(date_at_start("2024-03- 5")->ordinal(), 20240305);
    EXPECT_EQ(date_at_start("2024-13-05"), std::nullopt);
    EXPECT_EQ(date_at_start("2024-03-x5"), std::nullopt);
    EXPECT_EQ(date_at_start("2024-03-0"), std::nullopt);
}

}  // namespace
}  // namespace wazenie
