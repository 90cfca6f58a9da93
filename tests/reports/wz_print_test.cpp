#include "reports/wz_print.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

const std::string kNotFinished =
    "pytanie: Dozowanie nie zostało zakończone.\rCzy na pewno wydrukować dokument WZ?";

// A printer whose jobs fail from the n-th on.
class FailingPrinter : public testing::FakePrinter {
public:
    int fail_from = 1;
    Status print(const PrintDocument& document) override {
        if (static_cast<int>(printed.size()) + 1 >= fail_from) {
            return Error{"Błąd drukarki", "Drukarka testowa"};
        }
        return FakePrinter::print(document);
    }
};

class WzPrintTest : public ::testing::Test {
protected:
    WzPrintTest() {
        p.r.weight_doc = "WZ/3/24";
        p.r.start_time = 45356.25;
        p.r.stop_time = 45356.5;
    }

    WzPrintSeams seams(Printer& printer) {
        return {printer, dialogs, clock, [this](const std::string& name) { status_bar = name; }};
    }

    ProcessState p;
    Settings settings;
    testing::FakeDialogs dialogs;
    testing::FakeClock clock;
    testing::FakePrinter printer;
    std::string status_bar;
};

TEST_F(WzPrintTest, OneJobPerCopyWithTheCopyInTheTitle) {
    dialogs.copies.push_back(3);
    auto s = seams(printer);
    print_wz_of_process(p, settings, s);
    ASSERT_EQ(printer.printed.size(), 3u);
    EXPECT_EQ(printer.printed[0].title, "Dokument_WZ 2024/03/05, 00:00.00");
    EXPECT_EQ(printer.printed[1].title, "Dokument_WZ 2024/03/05, 00:00.00 c2");
    EXPECT_EQ(printer.printed[2].title, "Dokument_WZ 2024/03/05, 00:00.00 c3");
    EXPECT_EQ(printer.printed[0].lines, printer.printed[2].lines);
    EXPECT_EQ(status_bar, "Drukarka testowa");
    EXPECT_TRUE(dialogs.journal.empty());
}

TEST_F(WzPrintTest, CancelledDialogOrNoPrinterPrintsNothing) {
    dialogs.copies.push_back(std::nullopt);
    auto s = seams(printer);
    print_wz_of_process(p, settings, s);
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_TRUE(dialogs.journal.empty());

    printer.name.reset();
    print_wz_of_process(p, settings, s);
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(dialogs.last(), "błąd: Żadna drukarka nie jest aktualnie zainstalowana!");
    EXPECT_EQ(status_bar, "");
}

TEST_F(WzPrintTest, AnUnfinishedProcessAsksFirst) {
    p.r.stop_time = 0;
    dialogs.answers = {false, true};
    auto s = seams(printer);
    print_wz_of_process(p, settings, s);
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(dialogs.last(), kNotFinished);

    print_wz_of_process(p, settings, s);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].plain_lines()[21], std::string(10, ' ') + "Koniec ważenia:   ---");
}

TEST_F(WzPrintTest, AFailedJobIsShownOnceAndEndsThePrinting) {
    FailingPrinter failing;
    failing.fail_from = 2;
    dialogs.copies.push_back(4);
    auto s = seams(failing);
    print_wz_copies(p.r, p.w, settings, s);
    EXPECT_EQ(failing.printed.size(), 1u);
    EXPECT_EQ(dialogs.journal, std::vector<std::string>{"błąd: Błąd drukarki"});
}

}  // namespace
}  // namespace wazenie
