#include "storage/delivery_history.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(DeliveryHistory, EachClientKeepsItsLastTenOfEachKindNewestFirst) {
    DeliveryHistory h;
    for (int k = 1; k <= 12; ++k) {
        EXPECT_TRUE(h.remember("BUDREX", DeliveryHistory::Kind::truck, "T" + std::to_string(k)));
    }
    h.remember("INNY", DeliveryHistory::Kind::truck, "X");
    EXPECT_TRUE(h.remember("BUDREX", DeliveryHistory::Kind::truck, "T5"));
    EXPECT_FALSE(h.remember("BUDREX", DeliveryHistory::Kind::truck, "T5"));
    EXPECT_FALSE(h.remember("BUDREX", DeliveryHistory::Kind::site, "  "));
    const auto trucks = h.recent("BUDREX", DeliveryHistory::Kind::truck);
    ASSERT_EQ(trucks.size(), DeliveryHistory::kKept);
    EXPECT_EQ(trucks.front(), "T5");
    EXPECT_EQ(trucks.back(), "T3");  // T1 and T2 went, T5 moved to the front
    EXPECT_EQ(h.recent("INNY", DeliveryHistory::Kind::truck), std::vector<std::string>{"X"});
    EXPECT_TRUE(h.recent("BUDREX", DeliveryHistory::Kind::site).empty());
}

}  // namespace
}  // namespace wazenie
