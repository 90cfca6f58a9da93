#include "reports/stock_book.h"

#include "storage/date_time.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

DateTime day(int d, int hour = 8) {
    return *make_date_time({2024, 3, d, hour, 0, 0, 0});
}

StockEntry delivery(int d, const std::string& name, double kg) {
    return {day(d), StockMove::delivery, name, kg, "DN " + std::to_string(d), "ADMINISTRATOR"};
}

// A process of two scales: cement on both, water on the second; the masses dosed so far given.
ProcessState process(const std::string& wz, double cement_dosed, double water_dosed) {
    ProcessState p;
    p.r.weight_doc = wz;
    p.r.user_name = "JAN";
    p.w[1].precision = p.w[2].precision = 1;
    p.w[1].max_material = 1;
    p.w[1].m[1] = {
        .curr_total_weight = cement_dosed / 2, .material_name = "Cement", .recipe_total_weight = 300};
    p.w[2].max_material = 2;
    p.w[2].m[1] = {
        .curr_total_weight = cement_dosed / 2, .material_name = "Cement", .recipe_total_weight = 300};
    p.w[2].m[2] = {.curr_total_weight = water_dosed, .material_name = "Woda", .recipe_total_weight = 250};
    return p;
}

TEST(StockBook, AMonthOfDeliveriesConsumptionAndACount) {
    StockBook book;
    book.take(delivery(1, "Cement", 10000));
    // Water is not kept: its consumption is never posted.
    for (int d = 2; d <= 20; ++d) {
        const auto used = consumption_of(process("WZ/" + std::to_string(d), 597.4, 250), book, day(d));
        ASSERT_EQ(used.size(), 1u);
        EXPECT_EQ(used[0].material, "Cement");
        EXPECT_DOUBLE_EQ(used[0].kg, -597.4);
        EXPECT_EQ(used[0].document, "WZ/" + std::to_string(d));
        EXPECT_EQ(used[0].operator_name, "JAN");
        book.take(used[0]);
    }
    book.take(delivery(21, "Cement", 5000));
    // By hand: 10000 - 19 * 597.4 + 5000 = 3649.4; counted 3600, so -49.4 is posted.
    EXPECT_NEAR(book.stock("Cement"), 3649.4, 1e-9);
    book.take({day(22), StockMove::count, "Cement", 3600 - book.stock("Cement"), "", "ADMINISTRATOR"});
    EXPECT_NEAR(book.stock("Cement"), 3600, 1e-9);
    EXPECT_FALSE(book.kept("Woda"));
    ASSERT_EQ(book.materials().size(), 1u);
    EXPECT_EQ(book.materials()[0].last_delivery->document, "DN 21");
}

TEST(StockBook, AProcessIsPostedOnceByItsWzNumber) {
    StockBook book({delivery(1, "Cement", 1000)});
    const ProcessState first_stop = process("WZ/7/2024", 200, 0);
    for (const StockEntry& e : consumption_of(first_stop, book, day(2))) {
        book.take(e);
    }
    // Resumed and stopped again: logged again, not posted again.
    EXPECT_TRUE(consumption_of(process("WZ/7/2024", 590, 0), book, day(2, 9)).empty());
    EXPECT_TRUE(consumption_of(process("", 590, 0), book, day(2, 9)).empty());  // never started
    EXPECT_DOUBLE_EQ(book.stock("Cement"), 800);
    // Each scale's dose as its log line shows it: 100.25 kg on a scale of one decimal is 100.3 kg.
    StockBook fresh({delivery(1, "Cement", 1000)});
    EXPECT_DOUBLE_EQ(consumption_of(process("WZ/8/2024", 200.5, 0), fresh, day(3)).at(0).kg, -200.6);
}

TEST(StockBook, ShortagesCountWhatTheProcessStillNeeds) {
    StockBook book({delivery(1, "Cement", 500), delivery(1, "Woda", 10000)});
    const auto short_of = shortages_of(process("", 0, 0), book);
    ASSERT_EQ(short_of.size(), 1u);
    EXPECT_EQ(short_of[0].material, "Cement");
    EXPECT_DOUBLE_EQ(short_of[0].needed, 600);
    EXPECT_EQ(shortage_question(short_of[0]),
              "Za mało materiału w magazynie: Cement: potrzeba 600 kg, stan 500 kg. Czy mimo to rozpocząć?");
    // An interrupted process already took 150 kg of cement: 450 are left to dose.
    EXPECT_TRUE(shortages_of(process("", 150, 0), book).empty());
}

TEST(StockBook, DeliveriesAndCountsAsTheOperatorTypesThem) {
    StockBook book({delivery(1, "Cement", 1000)});
    const auto d = delivery_entry(" Cement ", "2500,5", " DN 9 ", "JAN", day(2));
    ASSERT_TRUE(d);
    EXPECT_EQ(*d, (StockEntry{day(2), StockMove::delivery, "Cement", 2500.5, "DN 9", "JAN"}));
    EXPECT_EQ(delivery_entry("Cement", "0", "", "JAN", day(2)).error().what, "Błędna masa dostawy: \"0\"");
    EXPECT_EQ(delivery_entry("Cement", "dużo", "", "JAN", day(2)).error().what,
              "Błędna masa dostawy: \"dużo\"");
    EXPECT_EQ(delivery_entry("  ", "5", "", "JAN", day(2)).error().what, "Nie podano materiału.");
    // A count posts the difference; a material counted for the first time becomes kept.
    EXPECT_DOUBLE_EQ(count_entry(book, "Cement", "940.25", "JAN", day(3))->kg, -59.75);
    const auto first = count_entry(book, "Piasek", "0", "JAN", day(3));
    ASSERT_TRUE(first);
    book.take(*first);
    EXPECT_TRUE(book.kept("Piasek"));
    EXPECT_EQ(count_entry(book, "Cement", "-1", "JAN", day(3)).error().what,
              "Błędna masa z inwentaryzacji: \"-1\"");
}

TEST(StockBook, MovementsOfARangeOfWholeDaysWithTheirSums) {
    const std::vector<StockEntry> entries = {
        delivery(1, "Cement", 1000),
        {day(2, 23), StockMove::consumption, "Cement", -300, "WZ/1", "JAN"},
        {day(3, 0), StockMove::count, "Cement", -5, "", "JAN"},
        delivery(4, "Cement", 2000)};
    const StockMovements m = movements_between(entries, LogRange{{202403, 2}, {202403, 3}});
    ASSERT_EQ(m.entries.size(), 2u);
    EXPECT_DOUBLE_EQ(m.delivered, 0);
    EXPECT_DOUBLE_EQ(m.consumed, 300);
    EXPECT_DOUBLE_EQ(m.corrected, -5);
}

}  // namespace
}  // namespace wazenie::testing
