#include "core/process_records.h"

#include <climits>
#include <stdexcept>

#include "core/clock.h"
#include "core/print_document.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(IndexedArray, TakesOneToNAndRefusesEverythingElse) {
    IndexedArray<int, 9> cycles{};
    cycles[1] = 10;
    cycles[9] = 90;
    EXPECT_EQ(cycles[1], 10);
    EXPECT_EQ(cycles[9], 90);
    EXPECT_THROW(cycles[0], std::out_of_range);
    EXPECT_THROW(cycles[10], std::out_of_range);
    EXPECT_THROW(cycles[-1], std::out_of_range);
    EXPECT_THROW(cycles[INT_MIN], std::out_of_range);
    const auto& read_only = cycles;
    EXPECT_THROW(read_only[10], std::out_of_range);
    EXPECT_TRUE(Scales::in_range(4));
    EXPECT_FALSE(Scales::in_range(5));
}

TEST(ProcessState, StartValues) {
    ProcessState p;
    p.r.curr_cycle = 5;
    p.w[2].max_material = 7;
    p.w[3].m[7].material_name = "cement";
    p.cpq.status = command_status::WAITING;
    p.set_start_values();

    EXPECT_EQ(p, ProcessState{});
    EXPECT_EQ(p.r.curr_cycle, 1);
    EXPECT_EQ(p.r.total_cycle, 1);
    EXPECT_EQ(p.r.view_cycle, 0);
    EXPECT_EQ(p.r.cp_status, line_status::NONE);
    EXPECT_EQ(p.r.start_time, 0);
    EXPECT_EQ(p.cpq.status, command_status::EMPTY);
    for (const weight_record& w : p.w) {
        EXPECT_TRUE(w.weight_enabled);
        EXPECT_EQ(w.max_weight, 100);
        EXPECT_EQ(w.curr_cycle, 1);
        EXPECT_EQ(w.max_material, 0);
        EXPECT_EQ(w.curr_status, run_mode::STOPPED);
        EXPECT_EQ(w.curr_cycle_status, cycle_status::NOT_STARTED);
        EXPECT_TRUE(w.m[7].material_name.empty());
    }
}

TEST(Ticks, DistanceHoldsAcrossTheWrap) {
    EXPECT_EQ(tick_distance(500, 100), 400);
    EXPECT_EQ(next_tick(INT_MAX), INT_MIN);
    EXPECT_EQ(tick_distance(INT_MIN + 5, INT_MAX - 4), 10);
}

TEST(PrintDocument, PlainTextDropsTheFonts) {
    PrintDocument doc;
    const PrintFont bold{"Arial", 14, true, false, false};
    doc.add("DOKUMENT  WZ  NR: ", bold)
        .add("WZ/7/2024", PrintFont{})
        .new_line()
        .new_line()
        .add("Klient", bold);
    EXPECT_EQ(doc.plain_lines(), (std::vector<std::string>{"DOKUMENT  WZ  NR: WZ/7/2024", "", "Klient"}));
    EXPECT_EQ(doc.lines[0].runs[0].font, bold);
    EXPECT_EQ(doc.lines[0].runs.size(), 2u);
}

}  // namespace
}  // namespace wazenie
