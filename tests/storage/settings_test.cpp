#include "storage/settings.h"

#include <algorithm>

#include "fakes/scratch_dir.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using Lines = std::vector<std::string>;

class SettingsFile : public ::testing::Test {
protected:
    void TearDown() override { text_file::reset_faults(); }

    void load(const Lines& lines) {
        ASSERT_TRUE(text_file::write_lines(file, lines));
        load_settings(file, s, w);
    }
    Lines saved() {
        EXPECT_TRUE(save_settings(file, s, w));
        return *text_file::read_lines(file);
    }

    testing::ScratchDir dir;
    std::filesystem::path file = dir / "konfig.ini";
    Settings s;
    ProcessState p;
    Scales& w = p.w;
};

TEST_F(SettingsFile, AMissingFileGivesEveryDefault) {
    s.port_num = 7;
    load_settings(dir / "none.ini", s, w);
    EXPECT_TRUE(w[1].weight_enabled);
    for (int n = 2; n <= kScales; ++n) {
        EXPECT_FALSE(w[n].weight_enabled);
    }
    for (const weight_record& scale : w) {
        EXPECT_EQ(scale.max_weight, 200);
        EXPECT_EQ(scale.min_weight, 5);
        EXPECT_EQ(scale.sta_weight, 1);
        EXPECT_EQ(scale.precision, 1);
    }
    EXPECT_EQ(s.total_precision, 0);
    EXPECT_EQ(s.port_num, 1);
    EXPECT_EQ(s.baud_rate, 9600);
    EXPECT_EQ(s.rs_timeout, 400);
    EXPECT_EQ(s.rs_delay, 100);
    EXPECT_EQ(s.rs_delay_recipe, 10);
    EXPECT_FALSE(s.run_maximized);
    EXPECT_FALSE(s.block_down_buttons);
    EXPECT_EQ(s.log, 0);
    EXPECT_EQ(s.weightdoc_format, "WZ/%n%/%y%");
    EXPECT_EQ(s.weightdoc_next, 1);
    EXPECT_EQ(s.wz_print_content, 1);
    EXPECT_FALSE(s.admin_change_recipe);
    EXPECT_FALSE(s.admin_change_client);
}

TEST_F(SettingsFile, ANewFileHasTheSectionsAndKeysInTheirOrder) {
    load_settings(file, s, w);
    EXPECT_EQ(saved(), (Lines{"[Podlaczone_wagi]",
                              "waga1=1",
                              "waga2=0",
                              "waga3=0",
                              "waga4=0",
                              "[Masa maksymalna wagi]",
                              "waga1=200",
                              "waga2=200",
                              "waga3=200",
                              "waga4=200",
                              "[Oproznianie_zbiornika]",
                              "waga1_min=5",
                              "waga1_sta=1",
                              "waga2_min=5",
                              "waga2_sta=1",
                              "waga3_min=5",
                              "waga3_sta=1",
                              "waga4_min=5",
                              "waga4_sta=1",
                              "[Precyzja wagi]",
                              "waga1=1",
                              "waga2=1",
                              "waga3=1",
                              "waga4=1",
                              "[Masa calkowita]",
                              "precyzja=0",
                              "[Polaczenie_RS]",
                              "port=1",
                              "predkosc=9600",
                              "czas_oczekiwania=400",
                              "opoznienie_wysylania=100",
                              "opoznienie_wysylania_receptury=10",
                              "[Wyglad]",
                              "tryb_pelnoekranowy=0",
                              "[Inne]",
                              "blokuj_wcisniete_przyciski=0",
                              "[Dokument WZ]",
                              "format=WZ/%n%/%y%",
                              "nast_numer=1",
                              "wydruk=1",
                              "[Uprawnienia]",
                              "tylko_admin_zmienia_receptury=0",
                              "tylko_admin_zmienia_kontrahentow=0"}));
}

TEST_F(SettingsFile, MeterDecimalsAreTakenOnlyWhenPresentAndValidAndSavedAsFound) {
    load({"[Miejsca_dziesietne_miernika]", "waga1=1", "waga2=3", "waga3=4"});
    EXPECT_EQ(w[1].meter_decimals, 1);
    EXPECT_EQ(w[2].meter_decimals, 3);
    EXPECT_EQ(w[3].meter_decimals, std::nullopt);
    EXPECT_EQ(w[4].meter_decimals, std::nullopt);
    w[1].meter_decimals = 2;
    const Lines lines = saved();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
              (Lines{"[Miejsca_dziesietne_miernika]", "waga1=2", "waga2=3", "waga3=4", "[Podlaczone_wagi]"}));
    ProcessState reread;
    const auto replaced = load_settings(file, s, reread.w);
    EXPECT_EQ(reread.w, w);
    ASSERT_EQ(replaced.size(), 1u);
    EXPECT_EQ(replaced[0].key + "=" + replaced[0].value, "waga3=4");
}

TEST_F(SettingsFile, AllScalesOffEnablesScaleOne) {
    load({"[Podlaczone_wagi]", "waga1=0", "waga2=0", "waga3=0", "waga4=0"});
    EXPECT_TRUE(w[1].weight_enabled);
    EXPECT_FALSE(w[2].weight_enabled);
}

TEST_F(SettingsFile, AFlagIsTrueOnlyForExactlyOne) {
    load({"[Podlaczone_wagi]", "waga1=1", "waga2=1", "waga3=2", "waga4=-1", "[Wyglad]",
          "tryb_pelnoekranowy=tak"});
    EXPECT_TRUE(w[2].weight_enabled);
    EXPECT_FALSE(w[3].weight_enabled);
    EXPECT_FALSE(w[4].weight_enabled);
    EXPECT_FALSE(s.run_maximized);
    const Lines lines = saved();
    EXPECT_EQ(lines[3], "waga3=0");
    EXPECT_EQ(lines[4], "waga4=0");
}

TEST_F(SettingsFile, DecimalsAreReadWithACommaAndWrittenWithOne) {
    load({"[Oproznianie_zbiornika]", "waga1_min=1,5", "waga1_sta=0.25", "waga2_min=abc", "waga3_min=inf",
          "waga4_min=nan", "waga4_sta="});
    EXPECT_EQ(w[1].min_weight, 1.5);
    EXPECT_EQ(w[1].sta_weight, 0.25);
    EXPECT_EQ(w[2].min_weight, 5);
    EXPECT_EQ(w[3].min_weight, 5);
    EXPECT_EQ(w[4].min_weight, 5);
    EXPECT_EQ(w[4].sta_weight, 1);
    w[2].min_weight = 2.75;
    const Lines lines = saved();
    EXPECT_EQ(lines[1], "waga1_min=1,5");
    EXPECT_EQ(lines[2], "waga1_sta=0,25");
    EXPECT_EQ(lines[3], "waga2_min=2,75");
}

TEST_F(SettingsFile, ValuesThatWouldBreakLaterStepsReadAsDefaults) {
    load({"[Masa maksymalna wagi]", "waga1=0", "waga2=-50", "waga3=1500", "waga4=99999999999",
          "[Precyzja wagi]", "waga1=4", "waga2=-1", "waga3=3", "[Masa calkowita]", "precyzja=7",
          "[Dokument WZ]", "wydruk=4"});
    EXPECT_EQ(w[1].max_weight, 200);
    EXPECT_EQ(w[2].max_weight, 200);
    EXPECT_EQ(w[3].max_weight, 1500);
    EXPECT_EQ(w[4].max_weight, 200);
    EXPECT_EQ(w[1].precision, 1);
    EXPECT_EQ(w[2].precision, 1);
    EXPECT_EQ(w[3].precision, 3);
    EXPECT_EQ(s.total_precision, 0);
    EXPECT_EQ(s.wz_print_content, 1);
}

TEST_F(SettingsFile, AWeightDocCounterThatDidNotReadIsNotRestartedAndIsKeptAsWritten) {
    for (const std::string value : {"abc", "2147483648", "2147483647", "0", "-3"}) {
        ASSERT_TRUE(text_file::write_lines(file, {"[Dokument WZ]", "nast_numer=" + value}));
        const auto replaced = load_settings(file, s, w);
        EXPECT_EQ(s.weightdoc_next, 0) << value;
        ASSERT_EQ(replaced.size(), 1u);
        EXPECT_EQ(replaced_values_text(replaced),
                  "Błędne wartości w pliku konfig.ini:\r[Dokument WZ] nast_numer=" + value +
                      " → pominięto do czasu poprawienia");
        const Lines lines = saved();
        EXPECT_NE(std::find(lines.begin(), lines.end(), "nast_numer=" + value), lines.end()) << value;
    }
    load({"[Dokument WZ]", "nast_numer=2147483646"});
    EXPECT_EQ(s.weightdoc_next, 2147483646);
}

TEST_F(SettingsFile, OtherValuesAreNotCheckedAgainstARange) {
    load({"[Polaczenie_RS]", "port=22", "predkosc=5000", "czas_oczekiwania=-3"});
    EXPECT_EQ(s.port_num, 22);
    EXPECT_EQ(s.baud_rate, 5000);
    EXPECT_EQ(s.rs_timeout, -3);
    const Lines lines = saved();
    EXPECT_EQ(lines[2], "predkosc=5000");
}

TEST_F(SettingsFile, TheLogKeyIsWrittenOnlyWhenNotZero) {
    load({"[Inne]", "log=1"});
    EXPECT_EQ(s.log, 1);
    EXPECT_EQ(saved()[1], "log=1");

    load({"[Inne]", "log=0"});
    EXPECT_EQ(saved()[1], "log=0");  // left as the file holds it

    load({});
    for (const std::string& line : saved()) {
        EXPECT_NE(line.rfind("log=", 0), 0u) << line;
    }
}

TEST_F(SettingsFile, ARoundTripKeepsUnknownKeysCommentsAndValues) {
    const Lines original = {"; konfiguracja wytwórni nr 2",
                            "[Podlaczone_wagi]",
                            "waga1=1",
                            "waga2=1",
                            "; waga 3 w naprawie",
                            "waga3=0",
                            "waga4=0",
                            "waga5=1",
                            "[Porty]",
                            "COM2=/dev/ttyUSB0",
                            "[Dokument WZ]",
                            "format=dok %n%/%y%-%m%-%d%",
                            "nast_numer=57",
                            "[Firma]",
                            "nazwa=Betoniarnia Łódź"};
    load(original);
    EXPECT_EQ(s.weightdoc_next, 57);
    s.weightdoc_next = 58;
    const Lines lines = saved();
    EXPECT_EQ(lines[0], original[0]);
    EXPECT_EQ(lines[4], original[4]);
    EXPECT_EQ(lines[7], "waga5=1");
    EXPECT_EQ(lines[8], "[Porty]");
    EXPECT_EQ(lines[9], "COM2=/dev/ttyUSB0");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "nast_numer=58"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "nazwa=Betoniarnia Łódź"), lines.end());

    Settings again;
    ProcessState q;
    load_settings(file, again, q.w);
    EXPECT_EQ(again.weightdoc_format, "dok %n%/%y%-%m%-%d%");
    EXPECT_EQ(again.weightdoc_next, 58);
    EXPECT_EQ(port_device(again, 2), "/dev/ttyUSB0");
    EXPECT_EQ(save_settings(file, again, q.w).ok(), true);
    EXPECT_EQ(*text_file::read_lines(file), lines);
}

TEST_F(SettingsFile, AFailedSaveNamesTheFileAndKeepsTheOldOne) {
    load({"[Dokument WZ]", "nast_numer=5"});
    s.weightdoc_next = 6;
    text_file::inject_faults({.fail_write_line = 3});
    const Status status = save_settings(file, s, w);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().where, file.string());
    EXPECT_EQ(*text_file::read_lines(file), (Lines{"[Dokument WZ]", "nast_numer=5"}));

    text_file::reset_faults();
    EXPECT_FALSE(save_settings(dir / "missing" / "konfig.ini", s, w));
}

TEST(Ports, DevicesComeFromTheFileOrTheSystemsNames) {
    Settings s;
    s.ini = IniDocument::parse({"[Porty]", "COM3= /dev/ttyUSB1 ", "COM4=  "});
    EXPECT_EQ(port_name(3), "COM3");
    EXPECT_EQ(port_device(s, 3), "/dev/ttyUSB1");
#ifdef _WIN32
    EXPECT_EQ(port_device(s, 1), "COM1");
#else
    EXPECT_EQ(port_device(s, 1), "/dev/ttyS0");
    EXPECT_EQ(port_device(s, 4), "/dev/ttyS3");
    EXPECT_EQ(port_device(s, 16), "/dev/ttyS15");
#endif
}

}  // namespace
}  // namespace wazenie
