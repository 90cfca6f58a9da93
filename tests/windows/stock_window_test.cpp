#include "windows/stock_window.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"
#include "fakes/fake_save_file_dialog.h"
#include "fakes/scratch_dir.h"
#include "storage/stock_ledger.h"
#include "windows/rights.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

class StockWindowTest : public ::testing::Test {
protected:
    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
    testing::FakeClock clock;
    testing::FakePrinter printer;
    testing::FakeSaveFileDialog save_dialog;

    StockWindow open() { return StockWindow(dir.path(), "JAN", {dialogs, clock, printer, save_dialog}); }
};

TEST_F(StockWindowTest, DeliveriesCountsAndLowLevelsShowInTheList) {
    StockWindow window = open();
    EXPECT_TRUE(window.rows().empty());
    ASSERT_TRUE(window.deliver("Cement", "1000", "DN 5"));
    ASSERT_TRUE(window.count("Cement", "980"));
    ASSERT_TRUE(window.set_low_level("Cement", "980,5"));
    ASSERT_EQ(window.rows().size(), 1u);
    EXPECT_EQ(window.rows()[0].columns,
              (std::vector<std::string>{"Cement", "980", "980.5", "2024-03-05 00:00:00", "1000", "DN 5"}));
    EXPECT_TRUE(window.rows()[0].low);
    ASSERT_TRUE(window.set_low_level("Cement", ""));
    EXPECT_FALSE(window.rows()[0].low);
    EXPECT_EQ(read_stock_ledger(stock_ledger_path(dir.path()))->entries.back().operator_name, "JAN");

    EXPECT_FALSE(window.deliver("Cement", "-5", ""));
    EXPECT_FALSE(window.set_low_level("Cement", "x"));
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"błąd: Błędna masa dostawy: \"-5\"",
                                                         "błąd: Błędny poziom niski: \"x\""}));
}

TEST_F(StockWindowTest, ADamagedLedgerLineIsNamedAndTheRestShown) {
    testing::write_bytes(stock_ledger_path(dir.path()),
                         "2024-03-01 07:00:00\tdostawa\tPiasek\t500\t\tJAN\r\nzepsuta linia\r\n");
    StockWindow window = open();
    ASSERT_EQ(window.rows().size(), 1u);
    EXPECT_EQ(dialogs.journal, (std::vector<std::string>{"ostrzeżenie: Pominięto uszkodzone wiersze pliku " +
                                                         stock_ledger_path(dir.path()).string() +
                                                         ":\rlinia 2: zła liczba pól"}));
}

TEST_F(StockWindowTest, MovementsOfARangeArePrintedAndSaved) {
    StockWindow window = open();
    window.print();
    EXPECT_EQ(dialogs.last(), "błąd: Najpierw pokaż ruchy magazynowe.");
    window.deliver("Cement", "1000", "DN 5");
    window.show_movements("2024-03-06", "2024-03-01");
    EXPECT_EQ(dialogs.last(), "błąd: Data początkowa musi być wcześniejsza od końcowej.");
    window.show_movements("2024-03-01", "2024-03-31");
    ASSERT_EQ(window.movement_rows().size(), 4u);  // the delivery and three sums
    EXPECT_EQ(window.movement_rows()[1][1], "dostawy razem");
    window.print();
    ASSERT_EQ(printer.printed.size(), 1u);
    save_dialog.answers = {dir / "ruchy.csv"};
    window.save();
    EXPECT_EQ(testing::read_bytes(dir / "ruchy.csv").substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(dialogs.last(),
              "informacja: Ruchy magazynowe zapisano do pliku: " + (dir / "ruchy.csv").string());
}

TEST_F(StockWindowTest, OfferedOnceAPlantKeepsStockAndOpenToWhomTheSettingsSay) {
    Settings settings;
    EXPECT_FALSE(stock_window_offered(settings, dir.path()));
    settings.ini.set("Magazyn", "prowadzony", "1");
    EXPECT_TRUE(stock_window_offered(settings, dir.path()));
    ASSERT_TRUE(append_stock_entries(stock_ledger_path(dir.path()),
                                     {{clock.time, StockMove::delivery, "Piasek", 1, "", "JAN"}}));
    EXPECT_TRUE(stock_window_offered(Settings{}, dir.path()));

    EXPECT_TRUE(may_keep_stock(settings, "ADMINISTRATOR"));
    EXPECT_FALSE(may_keep_stock(settings, "JAN"));
    settings.ini.set("Uprawnienia", "magazyn_dla_wszystkich", "1");
    EXPECT_TRUE(may_keep_stock(settings, "JAN"));
}

}  // namespace
}  // namespace wazenie
