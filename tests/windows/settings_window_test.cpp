#include "windows/settings_window.h"

#include "station/faked_station.h"
#include "storage/correction_settings.h"
#include "windows/correction_list.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using namespace wazenie::testing;

class SettingsWindowTest : public ::testing::Test, protected FakedStation {
protected:
    SettingsWindowTest() {
        station.start_up();
        for (int n = 1; n <= kScales; ++n) {
            scales[n] = {200, 5, 1, n == 1, 1};
        }
        station.apply_scale_settings(scales, 0);
        opened = link.opens;
        display.process = 0;
    }

    // What the settings hold of scale n before the window opens.
    void set_scale(int n, int precision, double min_weight) {
        scales[n].precision = precision;
        scales[n].min_weight = min_weight;
        station.apply_scale_settings(scales, settings.total_precision);
    }
    int reopened() const { return link.opens - opened; }
    int redrawn() const { return display.process; }

    Settings& settings = station.settings();
    const Scales& w = station.process().w;
    ScalesSettings scales;
    int opened = 0;
    SettingsWindow window{station, dialogs};
};

TEST_F(SettingsWindowTest, OpensWithThePortAndTheSettings) {
    settings.port_num = 12;
    settings.baud_rate = 57600;
    settings.log = 1;
    set_scale(2, 2, 7);
    SettingsForm f = window.open(57600);
    EXPECT_EQ(f.port_choice, 12);
    EXPECT_EQ(f.speed_choice, 8) << "a speed above 14400 shows as the last entry";
    EXPECT_EQ(speed_choice_text(f.speed_choice), "14400");
    EXPECT_TRUE(f.timings_shown);
    EXPECT_EQ(f.min_weight[1], "5.0");
    EXPECT_EQ(f.min_weight[2], "7.00");
    EXPECT_EQ(f.max_weight[3], "200");

    // A speed the port does not know leaves the port at its previous one, which is what shows.
    settings.baud_rate = 5000;
    settings.log = 0;
    f = window.open(1200);
    EXPECT_EQ(speed_choice_text(f.speed_choice), "1200");
    EXPECT_FALSE(f.timings_shown);
}

TEST_F(SettingsWindowTest, OkWithoutChangesReopensThePortAndKeepsTheRest) {
    settings.port_num = 12;
    settings.baud_rate = 57600;
    settings.rs_timeout = 123;
    const Scales before = w;
    SettingsForm f = window.open(57600);
    f.rs_timeout = 1;
    window.apply(f);
    EXPECT_EQ(reopened(), 1);
    EXPECT_EQ(redrawn(), 0);
    EXPECT_EQ(settings.port_num, 12);
    EXPECT_EQ(settings.baud_rate, 14400);
    EXPECT_EQ(settings.rs_timeout, 123) << "hidden timings stay as they were";
    EXPECT_EQ(w, before);
    EXPECT_TRUE(dialogs.journal.empty());
}

TEST_F(SettingsWindowTest, LeavingAFieldChecksAndRewritesIt) {
    set_scale(2, 2, 5);
    EXPECT_EQ(window.leave_max_weight("12a"), std::nullopt);
    EXPECT_EQ(dialogs.last(), "błąd: Masa maksymalna musi być liczbą całkowitą!");
    EXPECT_EQ(window.leave_max_weight("0"), "0") << "no range is checked";
    EXPECT_EQ(window.leave_decimal(2, "7"), "7.00");
    EXPECT_EQ(window.leave_decimal(1, "2,26"), "2.3");
    EXPECT_EQ(window.leave_decimal(1, "-1.5"), "-1.5");
    EXPECT_EQ(window.leave_decimal(1, "x"), std::nullopt);
    EXPECT_EQ(dialogs.last(), "błąd: Błąd! Wprowadź wartość liczbową.");
    EXPECT_EQ(window.leave_weightdoc_next("1.5"), std::nullopt);
    EXPECT_EQ(dialogs.last(), "błąd: Numer następnego dokumentu musi być liczbą całkowitą!");
    EXPECT_EQ(window.leave_weightdoc_next("0"), std::nullopt);
    EXPECT_EQ(window.leave_weightdoc_next("2147483647"), std::nullopt);
    EXPECT_EQ(dialogs.last(), "błąd: Numer następnego dokumentu musi być liczbą od 1 do 2147483646!");
    EXPECT_EQ(window.leave_weightdoc_next("2147483646"), "2147483646");

    dialogs.clear();
    IndexedArray<bool, kScales> boxes{};
    boxes[3] = true;
    EXPECT_TRUE(window.weight_enabled_clicked(boxes));
    boxes[3] = false;
    EXPECT_FALSE(window.weight_enabled_clicked(boxes));
    EXPECT_EQ(dialogs.journal, std::vector<std::string>{"błąd: Nie mogą być wszystkie wagi wyłączone!"});
}

TEST_F(SettingsWindowTest, AConversionErrorStopsTheApplyingAtItsStep) {
    SettingsForm f = window.open(9600);
    f.port_choice = 3;
    f.run_maximized = true;
    f.weightdoc_next = "41";
    f.max_weight[1] = "300";
    f.max_weight[2] = "12a";
    f.min_weight[1] = "9";
    f.rs_delay = 7;
    window.apply(f);
    EXPECT_EQ(dialogs.journal, std::vector<std::string>{"błąd: '12a' is not a valid integer value"});
    EXPECT_EQ(reopened(), 1);
    EXPECT_EQ(settings.port_num, 3);
    EXPECT_TRUE(settings.run_maximized);
    EXPECT_EQ(settings.weightdoc_next, 41);
    EXPECT_EQ(w[1].max_weight, 300);
    EXPECT_EQ(w[2].max_weight, 200);
    EXPECT_EQ(w[1].min_weight, 5);
    EXPECT_EQ(settings.rs_delay, 100);
}

TEST_F(SettingsWindowTest, APrecisionChangeTakesAllFiveAndRedraws) {
    SettingsForm f = window.open(9600);
    f.precision[4] = 3;
    f.min_weight[1] = "1,25";
    f.weight_enabled[3] = true;
    f.block_down_buttons = true;
    window.apply(f);
    EXPECT_EQ(redrawn(), 1);
    EXPECT_EQ(w[4].precision, 3);
    EXPECT_EQ(w[1].min_weight, 1.25);
    EXPECT_TRUE(w[3].weight_enabled);
    EXPECT_TRUE(settings.block_down_buttons);
}

TEST_F(SettingsWindowTest, HelpTexts) {
    window.show_format_help();
    window.show_archive_help();
    ASSERT_EQ(dialogs.journal.size(), 2u);
    EXPECT_EQ(dialogs.journal[0].rfind("informacja: Format dokumentu wagowego może zawierać: \r   %n%", 0),
              0u);
    EXPECT_EQ(dialogs.journal[1],
              "informacja: Zapisanie skompresowanych danych aplikacji we wskazanym katalogu.");
}

TEST_F(SettingsWindowTest, ACorrectionValueOutsideItsRangeIsRefusedAsTheFieldIsLeftAndOnOk) {
    EXPECT_EQ(window.leave_correction_weight("0,5"), "0.5");
    EXPECT_EQ(window.leave_correction_percent("100"), "100");
    for (const char* refused : {"0", "1,01", "x"}) {
        EXPECT_EQ(window.leave_correction_weight(refused), std::nullopt) << refused;
    }
    EXPECT_EQ(dialogs.last(), "błąd: Współczynnik uczenia musi być liczbą większą od 0 i nie większą od 1!");
    EXPECT_EQ(window.leave_correction_percent("-5"), std::nullopt);
    EXPECT_EQ(dialogs.last(),
              "błąd: Największa korekta musi być liczbą większą od 0 i nie większą od 100 (procent masy "
              "zadanej)!");

    // A bad value that reaches OK takes none of the four.
    dialogs.clear();
    SettingsForm f = window.open(9600);
    f.correction_enabled = true;
    f.correction_percent = "101";
    window.apply(f);
    EXPECT_EQ(dialogs.journal.size(), 1u);
    EXPECT_EQ(settings.correction, CorrectionSettings{});
    EXPECT_FALSE(settings.ini.value(kCorrectionSection, "wlaczona"));
}

TEST_F(SettingsWindowTest, OkWritesTheCorrectionSectionOnlyWhenAValueChanged) {
    SettingsForm f = window.open(9600);
    EXPECT_EQ(f.correction_weight, "0.3");
    EXPECT_EQ(f.correction_percent, "5");
    window.apply(f);
    EXPECT_FALSE(settings.ini.value(kCorrectionSection, "wspolczynnik")) << "nothing changed, no section";

    f.correction_make_up = true;
    f.correction_weight = "0,25";
    window.apply(f);
    EXPECT_TRUE(settings.correction.make_up);
    EXPECT_FALSE(settings.correction.enabled);
    EXPECT_EQ(settings.correction.weight, 0.25);
    EXPECT_EQ(settings.ini.value(kCorrectionSection, "wyrownanie"), "1");
    EXPECT_EQ(settings.ini.value(kCorrectionSection, "wspolczynnik"), "0,25");
    EXPECT_EQ(settings.ini.value(kCorrectionSection, "maks_procent"), "5");
}

TEST_F(SettingsWindowTest, ZerujClearsTheSelectedRowsOrEveryRowAfterTheQuestion) {
    set_scale(2, 2, 5);
    write_bytes(dir / "korekty.txt", "2\tcement\t-1.50\t4\r\n1\twoda\t2.0\t9\r\n1\tCement\t0.4\t3\r\n");
    CorrectionList list(station, dialogs);
    list.reload();
    ASSERT_EQ(list.table().rows.size(), 3u);
    EXPECT_EQ(list.table().titles, (std::vector<std::string>{"Waga", "Materiał", "Korekta [kg]", "Dozowań"}));
    EXPECT_EQ(list.table().rows[0], (std::vector<std::string>{"1", "Cement", "0.4", "3"}));
    EXPECT_EQ(list.table().rows[2], (std::vector<std::string>{"2", "cement", "-1.50", "4"}));

    dialogs.answers = {false};
    EXPECT_FALSE(list.clear({1}));
    EXPECT_EQ(dialogs.last(), "pytanie: Czy wyzerować wybraną korektę?");
    EXPECT_TRUE(list.clear({0, 2}));
    EXPECT_EQ(dialogs.last(), "pytanie: Czy wyzerować wybrane korekty?");
    ASSERT_EQ(list.table().rows.size(), 1u);
    EXPECT_EQ(list.table().rows[0][1], "woda");
    EXPECT_EQ(read_bytes(dir / "korekty.txt"), "1\twoda\t2.0\t9\r\n");

    EXPECT_TRUE(list.clear({}));
    EXPECT_EQ(dialogs.last(), "pytanie: Czy wyzerować wszystkie korekty?");
    EXPECT_TRUE(list.table().rows.empty());
    EXPECT_FALSE(list.clear({})) << "nothing left, nothing asked";
}

}  // namespace
}  // namespace wazenie
