#include <vector>

#include "reports/name_sums.h"
#include "reports/production_analysis.h"
#include "reports/run_list.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

Dose dose_of(std::uint32_t process) {
    return {process, 0, 1, 1, 100, 101};
}

TEST(RunListTest, RunsReadAsOneListInTheirOrder) {
    RunList<Dose> list;
    list.append({});
    list.append({dose_of(0), dose_of(1)});
    list.append({dose_of(2)});
    list.append({dose_of(3), dose_of(4), dose_of(5)});
    ASSERT_EQ(list.size(), 6u);
    std::uint32_t expected = 0;
    for (const Dose& dose : list) {
        EXPECT_EQ(dose.process, expected++);
    }
    EXPECT_EQ(expected, 6u);
    for (std::uint32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(list[i].process, i);
    }
    EXPECT_THROW((void)list.at(6), std::out_of_range);

    RunList<Dose> other;
    other.append({dose_of(0), dose_of(1), dose_of(2)});
    other.append({dose_of(3), dose_of(4), dose_of(5)});
    EXPECT_EQ(list, other);  // the same doses however split
    other.append({dose_of(6)});
    EXPECT_NE(list, other);
    EXPECT_TRUE(RunList<Dose>().empty());
    EXPECT_EQ(RunList<Dose>().begin(), RunList<Dose>().end());
}

// Deviations of +2, -4, +4, 0 and +1 % (the largest magnitude first met is -4), split in two runs.
TEST(NameSumsTest, RunsMergedInLogOrderSumAsOneRun) {
    const std::vector<double> dosed = {102, 96, 104, 100, 101};
    NameSums whole;
    NameSums first;
    NameSums second;
    for (std::size_t d = 0; d < dosed.size(); ++d) {
        whole.consume(static_cast<std::uint32_t>(d), 1, MassMilli(100.0), MassMilli(dosed[d]));
        whole.judge(3, 100, dosed[d]);
        NameSums& run = d < 2 ? first : second;
        run.consume(static_cast<std::uint32_t>(d), 1, MassMilli(100.0), MassMilli(dosed[d]));
        run.judge(3, 100, dosed[d]);
    }
    whole.consume(5, 2, MassMilli(), MassMilli(0.5));  // broken off on another scale: consumed only
    second.consume(5, 2, MassMilli(), MassMilli(0.5));
    first.merge(second);

    EXPECT_EQ(first.doses, 5);
    EXPECT_EQ(first.judged, 5);
    EXPECT_EQ(first.outside, 2);
    EXPECT_EQ(first.largest, -4);
    EXPECT_EQ(first.processes, 6);
    EXPECT_EQ(first.scales[0].processes, 5);
    EXPECT_EQ(first.scales[0].target, 500000);
    EXPECT_EQ(first.scales[0].dosed, 503000);
    EXPECT_EQ(first.scales[1].dosed, 500);
    EXPECT_NEAR(first.mean, whole.mean, 1e-12);
    EXPECT_NEAR(first.mean, 0.6, 1e-12);
    EXPECT_NEAR(first.squares, whole.squares, 1e-9);
    EXPECT_NEAR(first.squares, 35.2, 1e-9);

    NameSums none;
    none.merge(whole);  // into an empty run: taken as it is
    EXPECT_EQ(none.mean, whole.mean);
    EXPECT_EQ(none.squares, whole.squares);
    EXPECT_EQ(none.largest, whole.largest);
}

}  // namespace
}  // namespace wazenie
