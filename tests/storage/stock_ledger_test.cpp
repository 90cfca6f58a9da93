#include "storage/stock_ledger.h"

#include "fakes/scratch_dir.h"
#include "storage/date_time.h"
#include "storage/stock_levels.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

DateTime at(int day, int hour) {
    return *make_date_time({2024, 3, day, hour, 15, 0, 0});
}

TEST(StockLedger, LinesGoOutAsWrittenAndComeBackTheSame) {
    ScratchDir dir;
    const auto file = stock_ledger_path(dir.path());
    const std::vector<StockEntry> entries = {
        {at(1, 7), StockMove::delivery, "Cement CEM I 42,5R", 24000, "DN 17/03", "ADMINISTRATOR"},
        {at(1, 9), StockMove::consumption, "Żwir 2-8", -1234.5678, "WZ/1/2024", "Łukasz\tK"},
        {at(2, 6), StockMove::count, "Cement CEM I 42,5R", -80.25, "", "ADMINISTRATOR"}};
    ASSERT_TRUE(append_stock_entries(file, {entries[0]}));
    ASSERT_TRUE(append_stock_entries(file, {entries[1], entries[2]}));
    EXPECT_EQ(read_bytes(file),
              "2024-03-01 07:15:00\tdostawa\tCement CEM I 42,5R\t24000\tDN 17/03\tADMINISTRATOR\r\n"
              "2024-03-01 09:15:00\tzu\xbf"
              "ycie\t\xafwir 2-8\t-1234.568\tWZ/1/2024\t\xa3ukasz K\r\n"
              "2024-03-02 06:15:00\tinwentaryzacja\tCement CEM I 42,5R\t-80.25\t\tADMINISTRATOR\r\n");
    auto read = read_stock_ledger(file);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->entries.size(), 3u);
    EXPECT_EQ(read->entries[0], entries[0]);
    EXPECT_DOUBLE_EQ(read->entries[1].kg, -1234.568);
    EXPECT_EQ(read->entries[1].operator_name, "Łukasz K");
    EXPECT_EQ(read->entries[2], entries[2]);
    EXPECT_TRUE(read->damaged.empty());
}

TEST(StockLedger, DamagedLinesAreNamedAndTheRestRead) {
    ScratchDir dir;
    const auto file = stock_ledger_path(dir.path());
    EXPECT_TRUE(read_stock_ledger(file)->entries.empty());  // no ledger: nothing kept
    write_bytes(file,
                "2024-03-01 07:15:00\tdostawa\tPiasek\t1000\t\tA\r\n"
                "2024-13-01 07:15:00\tdostawa\tPiasek\t1000\t\tA\r\n"
                "2024-03-01 07:15:00\tkradzie\xbf\tPiasek\t1000\t\tA\r\n"
                "2024-03-01 07:15:00\tdostawa\tPiasek\tdu\xbfo\t\tA\r\n"
                "2024-03-01 07:15:00\tdostawa\t\t5\t\tA\r\n"
                "2024-03-01 07:15:00\tdostawa\tPiasek\r\n"
                "2024-03-01 08:15:00\tdostawa\tPiasek\t5");  // cut short by a crash
    // The next line starts a line of its own.
    ASSERT_TRUE(append_stock_entries(file, {{at(1, 9), StockMove::delivery, "Piasek", 7, "", "A"}}));
    auto read = read_stock_ledger(file);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->entries.size(), 2u);
    EXPECT_DOUBLE_EQ(read->entries[1].kg, 7);
    EXPECT_EQ(read->damaged,
              (std::vector<std::string>{"linia 2: błędna data: \"2024-13-01 07:15:00\"",
                                        "linia 3: nieznany rodzaj ruchu: \"kradzież\"",
                                        "linia 4: błędna masa: \"dużo\"", "linia 5: brak nazwy materiału",
                                        "linia 6: zła liczba pól", "linia 7: zła liczba pól"}));
}

TEST(StockLevels, SavedAtomicallyAndReadBackSkippingBadLines) {
    ScratchDir dir;
    const auto file = stock_levels_path(dir.path());
    ASSERT_TRUE(save_stock_levels(file, {{"Cement", 5000}, {"Żwir 2-8", 1500.5}}));
    EXPECT_EQ(read_bytes(file), "Cement\t5000\r\n\xafwir 2-8\t1500.5\r\n");
    write_bytes(file, read_bytes(file) + "Piasek\t-1\r\nWoda\r\n");
    auto read = read_stock_levels(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->levels, (StockLevels{{"Cement", 5000}, {"Żwir 2-8", 1500.5}}));
    EXPECT_EQ(read->damaged, (std::vector<std::string>{"linia 3: \"Piasek\t-1\"", "linia 4: \"Woda\""}));
}

}  // namespace
}  // namespace wazenie::testing
