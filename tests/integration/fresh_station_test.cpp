#include <algorithm>
#include <filesystem>

#include "comm/exchange_log.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_display.h"
#include "fakes/scratch_dir.h"
#include "platform/qt_serial_link.h"
#include "pty_bridge.h"
#include "qt/event_wait.h"
#include "station/station.h"
#include "storage/text_file.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#ifdef METER_EMULATOR

namespace wazenie::testing {
namespace {

// The first start on a new data folder: no status.txt, four meters answering, nobody has set up a
// weighing yet. Scales with nothing to dose count as completed, but that is no process to end.
TEST(FreshStation, AnsweringMetersBeforeAnyProcessEndNothingAndLogNothing) {
    static int argc = 1;
    static char name[] = "test_integration";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        new QCoreApplication(argc, argv);
    }
    PtyBridge bridge;
    ASSERT_TRUE(bridge.ok());
    QProcess emulator;
    emulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    emulator.start(METER_EMULATOR, {"--scales", "1,2,3,4", QString::fromStdString(bridge.meter_device())});
    ASSERT_TRUE(emulator.waitForStarted(5000));
    ASSERT_TRUE(wait_for([&] { return emulator.canReadLine(); }, 10000));

    ScratchDir data;
    ASSERT_TRUE(
        text_file::write_lines(
            data / "konfig.ini",
            {"[Podlaczone_wagi]", "waga1=1", "waga2=1", "waga3=1", "waga4=1", "[Polaczenie_RS]", "port=1",
             "czas_oczekiwania=25", "opoznienie_wysylania=2", "[Porty]", "COM1=" + bridge.station_device()})
            .ok());
    FakeClock clock;
    FakeDialogs dialogs;
    FakeDisplay display;
    QtSerialLink link{[](const std::string&) {}};
    Station station(data.path(), link, clock, dialogs, display);
    station.start_up();
    station.log_in("ADMINISTRATOR");
    QTimer loop;
    QObject::connect(&loop, &QTimer::timeout, [&] { station.main_tick(); });
    loop.start(9);

    const auto answers = [&] {
        const auto& lines = station.exchange_log().lines();
        return std::count_if(lines.begin(), lines.end(),
                             [](const std::string& line) { return line.find(" << ") != std::string::npos; });
    };
    EXPECT_TRUE(wait_for([&] { return answers() >= 16; }, 20000)) << answers();
    loop.stop();
    for (int n = 1; n <= kScales; ++n) {
        EXPECT_EQ(station.process().w[n].curr_cycle_status, cycle_status::COMPLETED) << n;
    }
    EXPECT_EQ(station.process().r.stop_time, 0);
    EXPECT_TRUE(dialogs.journal.empty()) << dialogs.last();
    for (const auto& entry : std::filesystem::directory_iterator(data.path())) {
        EXPECT_NE(entry.path().filename().string().substr(0, 2), "20") << entry.path();
    }
    link.close();
    emulator.kill();
    emulator.waitForFinished(5000);
}

}  // namespace
}  // namespace wazenie::testing

#endif
