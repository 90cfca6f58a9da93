#include "ui/desktop_program.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "platform/instance_lock.h"
#include "platform/qt_printer.h"

#include <QApplication>
#include <QtTest>

using namespace wazenie;

class DesktopProgramTest : public QObject {
    Q_OBJECT

private slots:
    // A second copy on the same data folder shows its error and ends before any window or login, and
    // touches nothing of the first copy's data.
    void aSecondCopyEndsBeforeAnyWindow() {
        testing::ScratchDir dir;
        InstanceLock first(dir.path());
        QVERIFY(first.acquire());
        testing::FakeSerialLink link;
        testing::FakeClock clock;
        testing::FakeDialogs dialogs;
        QtPrinter printer;
        bool window_made = false;
        const int result =
            run_desktop({dir.path(), link, clock, dialogs, printer}, [&](TForm1&) { window_made = true; });
        QCOMPARE(result, desktop_exit::kAlreadyRunning);
        QCOMPARE(dialogs.journal, std::vector<std::string>{std::string("błąd: ") + kAlreadyRunningMessage});
        QVERIFY(!window_made);
        QVERIFY(!link.opened);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QVERIFY(first.held());
        QVERIFY(!std::filesystem::exists(dir / "konfig.ini"));
    }
};

QTEST_MAIN(DesktopProgramTest)
#include "desktop_program_test.moc"
