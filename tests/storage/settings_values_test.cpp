#include "fakes/scratch_dir.h"
#include "storage/settings.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::write_bytes;

class SettingsValues : public ::testing::Test {
protected:
    // Reads the bytes, saves, and reads the saved file again: both readings must agree.
    std::vector<ReplacedValue> load_save_load(const std::string& bytes) {
        write_bytes(file, bytes);
        auto replaced = load_settings(file, s, p.w);
        EXPECT_TRUE(save_settings(file, s, p.w));
        EXPECT_TRUE(load_settings(file, again, q.w).empty());
        for (int n = 1; n <= kScales; ++n) {
            EXPECT_EQ(q.w[n].weight_enabled, p.w[n].weight_enabled) << n;
            EXPECT_EQ(q.w[n].max_weight, p.w[n].max_weight) << n;
        }
        EXPECT_EQ(again.port_num, s.port_num);
        EXPECT_EQ(again.baud_rate, s.baud_rate);
        return replaced;
    }

    ::wazenie::testing::ScratchDir dir;
    std::filesystem::path file = dir / "konfig.ini";
    Settings s;
    Settings again;
    ProcessState p;
    ProcessState q;
};

TEST_F(SettingsValues, ALoneCrEndsALineOnReadingAsOnWriting) {
    EXPECT_TRUE(load_save_load("[Podlaczone_wagi]\r\n\rwaga2=1\r[Polaczenie_RS]\rport=3\r\n").empty());
    EXPECT_TRUE(p.w[2].weight_enabled);
    EXPECT_EQ(s.port_num, 3);
}

TEST_F(SettingsValues, CrCrLfLineEndsKeepEveryNumber) {
    const auto replaced = load_save_load(
        "[Masa maksymalna "
        "wagi]\r\r\nwaga1=400\r\r\nwaga2=1500\r\r\n[Polaczenie_RS]\r\r\npredkosc=19200\r\r\n");
    EXPECT_TRUE(replaced.empty());
    EXPECT_EQ(p.w[1].max_weight, 400);
    EXPECT_EQ(p.w[2].max_weight, 1500);
    EXPECT_EQ(s.baud_rate, 19200);
}

TEST_F(SettingsValues, InvalidValuesTakeTheirDefaultsAndAreNamed) {
    const auto replaced = load_save_load(
        "[Podlaczone_wagi]\nwaga2=tak\nwaga3=2\n[Masa maksymalna wagi]\nwaga1=0\n[Oproznianie_zbiornika]\n"
        "waga1_min=abc\n[Polaczenie_RS]\nport=-2147483648\npredkosc=5000\nopoznienie_wysylania="
        "99999999999\n");
    EXPECT_EQ(s.port_num, 1);
    EXPECT_EQ(s.baud_rate, 5000);
    EXPECT_EQ(s.rs_delay, 100);
    EXPECT_EQ(p.w[1].max_weight, 200);
    EXPECT_EQ(p.w[1].min_weight, 5);
    ASSERT_EQ(replaced.size(), 5u);
    EXPECT_EQ(replaced_values_text(replaced),
              "Błędne wartości w pliku konfig.ini:"
              "\r[Podlaczone_wagi] waga2=tak → przyjęto 0"
              "\r[Masa maksymalna wagi] waga1=0 → przyjęto 200"
              "\r[Oproznianie_zbiornika] waga1_min=abc → przyjęto 5"
              "\r[Polaczenie_RS] port=-2147483648 → przyjęto 1"
              "\r[Polaczenie_RS] opoznienie_wysylania=99999999999 → przyjęto 100");
}

TEST_F(SettingsValues, TheDosingCorrectionIsReadCheckedAndWrittenOnlyWhereItStands) {
    const auto replaced = load_save_load(
        "[Korekta dozowania]\r\nwlaczona=2\r\nwyrownanie=1\r\nwspolczynnik=1,5\r\nmaks_procent=7,5\r\n");
    ASSERT_EQ(replaced.size(), 2u);
    EXPECT_EQ(replaced[0].key, "wlaczona");
    EXPECT_EQ(replaced[0].replacement, "0");
    EXPECT_EQ(replaced[1].key, "wspolczynnik");
    EXPECT_EQ(replaced[1].replacement, "0,3");
    EXPECT_EQ(s.correction, (CorrectionSettings{false, true, 0.3, 7.5}));
    EXPECT_EQ(again.correction, s.correction);

    EXPECT_TRUE(load_save_load("[Inne]\r\nlog=1\r\n").empty());
    EXPECT_EQ(s.correction, CorrectionSettings{});
    EXPECT_FALSE(s.ini.value(kCorrectionSection, "wlaczona"));
    EXPECT_FALSE(again.ini.value(kCorrectionSection, "wlaczona"));
}

}  // namespace
}  // namespace wazenie
