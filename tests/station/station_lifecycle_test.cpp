#include <climits>
#include <filesystem>

#include "comm/exchange_log.h"
#include "station/station_rig.h"
#include "storage/process_file.h"
#include "storage/settings.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::StationRig;

// A station on fakes over a data folder the test has prepared, neither started nor logged in.
struct StationOnFakes {
    explicit StationOnFakes(const std::filesystem::path& dir) : station(dir, link, clock, dialogs, display) {}

    testing::FakeSerialLink link;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    testing::FakeDisplay display;
    Station station;
};

TEST(StationLifecycle, StartUpTellsOnceWhichValuesTookTheirDefaults) {
    testing::ScratchDir dir;
    ASSERT_TRUE(
        text_file::write_lines(dir / "konfig.ini", {"[Polaczenie_RS]", "port=-2147483648", "predkosc=x"}));
    StationOnFakes f(dir.path());
    f.station.start_up();
    EXPECT_EQ(f.link.device, "/dev/ttyS0");
    EXPECT_EQ(
        f.dialogs.journal,
        (std::vector<std::string>{
            "ostrzeżenie: Błędne wartości w pliku konfig.ini:"
            "\r[Polaczenie_RS] port=-2147483648 → przyjęto 1\r[Polaczenie_RS] predkosc=x → przyjęto 9600"}));
}

TEST(StationLifecycle, StartUpReadsTheSettingsAndOpensTheConfiguredPort) {
    testing::ScratchDir dir;
    ASSERT_TRUE(text_file::write_lines(
        dir / "konfig.ini",
        {"[Polaczenie_RS]", "port=3", "predkosc=19200", "opoznienie_wysylania=7", "[Podlaczone_wagi]",
         "waga1=0", "waga2=1", "[Porty]", "COM3=/dev/waga", "[Tolerancje]", "Cement=5"}));
    StationOnFakes f(dir.path());
    f.station.start_up();
    EXPECT_EQ(f.link.device, "/dev/waga");
    EXPECT_EQ(f.link.baud, 19200);
    EXPECT_EQ(f.station.connection_text(), "port COM3, 19200bps");
    EXPECT_EQ(f.station.settings().rs_delay, 7);
    EXPECT_EQ(f.station.tolerances().percent_for("cement"), 5.0);
    EXPECT_FALSE(f.station.process().w[1].weight_enabled);
    EXPECT_TRUE(f.station.process().w[2].weight_enabled);
    EXPECT_EQ(f.station.process().r.total_cycle, 1);
    EXPECT_TRUE(f.dialogs.journal.empty());
    EXPECT_FALSE(f.station.timer_enabled());  // not before the login
    f.station.log_in("JAN");
    EXPECT_TRUE(f.station.timer_enabled());
    EXPECT_EQ(f.station.process().r.user_name, "JAN");
    EXPECT_EQ(f.display.rights, 1);
}

TEST(StationLifecycle, PortThatCannotBeOpenedIsShownAndTheLoopStandsStill) {
    testing::ScratchDir dir;
    StationOnFakes f(dir.path());
    f.link.refuse_open = true;
    f.station.start_up();
    f.station.log_in("JAN");
    EXPECT_EQ(f.station.connection_text().rfind("brak połączenia! (port COM1", 0), 0u)
        << f.station.connection_text();
    f.station.main_tick();
    EXPECT_TRUE(f.link.written.empty());
    EXPECT_TRUE(f.dialogs.journal.empty());
}

TEST(StationLifecycle, ClosingSavesAndTheNextLoginResumesTheProcess) {
    testing::ScratchDir dir;
    {
        StationRig rig;
        rig.set_cycles(3);
        rig.give_recipe(1, {100, 50});
        rig.edit([](ProcessState& p) {
            p.r.curr_cycle = 2;
            p.w[1].curr_cycle = 2;
            p.w[1].m[1].curr_weight[1] = 99;
            p.r.weight_doc = "WZ/5/2024";
            p.r.start_time = 45356.25;
        });
        rig.station.settings().weightdoc_next = 6;
        rig.station.close();
        EXPECT_FALSE(rig.link.opened);
        EXPECT_TRUE(rig.dialogs.journal.empty());
        std::filesystem::copy(
            rig.dir.path(), dir.path(),
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    }
    StationOnFakes f(dir.path());
    f.station.start_up();
    EXPECT_EQ(f.station.settings().weightdoc_next, 6);
    f.station.log_in("ADAM");
    const ProcessState& p = f.station.process();
    EXPECT_EQ(p.r.weight_doc, "WZ/5/2024");
    EXPECT_EQ(p.r.start_time, 45356.25);
    EXPECT_EQ(p.r.curr_cycle, 2);
    EXPECT_EQ(p.r.user_name, "ADAM");  // the login wins over the file
    EXPECT_DOUBLE_EQ(p.w[1].m[1].curr_weight[1], 99);
    EXPECT_EQ(p.cpq.status, command_status::EMPTY);
    EXPECT_EQ(p.r.cp_status, line_status::NONE);
    EXPECT_TRUE(f.dialogs.journal.empty());
    // The loop goes on by asking the scales for their weights.
    f.station.settings().rs_delay = 1;
    f.station.main_tick();
    ASSERT_EQ(f.link.written.size(), 1u);
    EXPECT_EQ(f.link.written[0][0], 'A');
}

TEST(StationLifecycle, ClosingWithoutALoginWritesNoStatusFile) {
    StationRig rig(false);
    rig.station.close();
    EXPECT_FALSE(std::filesystem::exists(status_file_path(rig.dir.path())));
    EXPECT_TRUE(std::filesystem::exists(rig.station.settings_file()));
    EXPECT_FALSE(rig.link.opened);
}

TEST(StationLifecycle, SettingsThatCannotBeWrittenAreReportedAndClosingGoesOn) {
    StationRig rig;
    std::filesystem::create_directory(rig.station.settings_file());  // a folder where the file should be
    rig.station.close();
    ASSERT_EQ(rig.dialogs.journal.size(), 1u);
    EXPECT_EQ(rig.dialogs.journal[0].rfind("błąd: Unable to write to ", 0), 0u) << rig.dialogs.journal[0];
    EXPECT_NE(rig.dialogs.journal[0].find("konfig.ini"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(status_file_path(rig.dir.path())));
    EXPECT_FALSE(rig.link.opened);
}

TEST(StationLifecycle, TakenDocumentNumberIsWrittenToTheSettingsAtOnce) {
    StationRig rig;
    rig.give_recipe(1, {10});
    rig.station.settings().weightdoc_next = 41;
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until([&] { return rig.p.cpq.msg == CP_MSG_START; }));
    Settings on_disk;
    Scales w;
    load_settings(rig.station.settings_file(), on_disk, w);
    EXPECT_EQ(on_disk.weightdoc_next, 42);
}

TEST(StationLifecycle, ASettingsFileThatCannotBeWrittenStartsNoScaleAndIssuesNoNumberTwice) {
    StationRig rig;
    rig.give_recipe(1, {10});
    rig.station.settings().weightdoc_next = 42;
    std::filesystem::create_directory(rig.station.settings_file());  // a folder where the file should be
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until([&] { return !rig.dialogs.journal.empty(); }));
    rig.tick(50);
    EXPECT_EQ(rig.meters.scales[1].recipes, 1);
    EXPECT_EQ(rig.count_frames("STA"), 0);
    EXPECT_EQ(rig.p.r.start_time, 0);
    EXPECT_EQ(rig.station.settings().weightdoc_next, 42);
    ASSERT_EQ(rig.dialogs.journal.size(), 1u);
    EXPECT_EQ(rig.dialogs.journal[0].rfind("błąd: Wagi nie zostały uruchomione", 0), 0u);
    bool logged = false;
    for (const std::string& line : rig.station.exchange_log().lines()) {
        logged = logged ||
                 (line.find(" !! ") != std::string::npos && line.find("konfig.ini") != std::string::npos);
    }
    EXPECT_TRUE(logged);

    // Once the disk takes the file again, START runs the process under the number not issued before.
    std::filesystem::remove(rig.station.settings_file());
    rig.station.start_process();
    ASSERT_TRUE(rig.run_until_finished());
    EXPECT_EQ(rig.p.r.weight_doc, "WZ/42/2024");
    Settings on_disk;
    Scales w;
    load_settings(rig.station.settings_file(), on_disk, w);
    EXPECT_EQ(on_disk.weightdoc_next, 43);
    EXPECT_EQ(rig.log_records().size(), 1u);
}

TEST(StationLifecycle, AnUnusableWeightDocCounterRefusesToStart) {
    StationRig rig;
    rig.give_recipe(1, {10});
    rig.station.settings().weightdoc_next = INT_MAX;
    rig.station.start_process();
    ASSERT_EQ(rig.dialogs.journal.size(), 1u);
    EXPECT_NE(rig.dialogs.journal[0].find("nast_numer=2147483647"), std::string::npos);
    rig.tick(50);
    EXPECT_EQ(rig.count_frames("REC"), 0);

    // Also when the counter turns unusable while the recipes are on their way.
    rig.station.settings().weightdoc_next = 5;
    rig.station.start_process();
    rig.station.settings().weightdoc_next = 0;
    ASSERT_TRUE(rig.run_until([&] { return rig.dialogs.journal.size() == 2; }));
    rig.tick(50);
    EXPECT_EQ(rig.count_frames("STA"), 0);
    EXPECT_EQ(rig.p.r.start_time, 0);
}

TEST(StationLifecycle, ExchangePauseStopsTheLoopAndIsLogged) {
    StationRig rig;
    rig.station.toggle_exchange_pause();
    EXPECT_FALSE(rig.station.timer_enabled());
    rig.tick(20);
    EXPECT_TRUE(rig.link.written.empty());
    rig.station.toggle_exchange_pause();
    EXPECT_TRUE(rig.station.timer_enabled());
    const auto& lines = rig.station.exchange_log().lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(" ?? pauza włączona"), std::string::npos);
    EXPECT_NE(lines[1].find(" ?? pauza wyłączona"), std::string::npos);
    rig.tick(20);
    EXPECT_FALSE(rig.link.written.empty());
}

}  // namespace
}  // namespace wazenie
