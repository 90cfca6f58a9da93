#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "platform/qt_printer.h"
#include "station/station.h"
#include "storage/date_time.h"
#include "storage/process_file.h"
#include "support/modal_watch.h"
#include "support/simulating_operator.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace wazenie;
using wazenie::testing::FakeClock;
using wazenie::testing::FakeDialogs;
using wazenie::testing::FakeSerialLink;
using wazenie::testing::ScratchDir;
using wazenie::testing::simulate_process;
using wazenie::testing::when_modal_shown;

namespace {

constexpr const char* kRecipe = "B20 beton towarowy";
constexpr const char* kEnded = "informacja: Proces naważania został zakończony!";

class WholeProcessTest : public QObject {
    Q_OBJECT

private:
    ScratchDir dir;
    FakeSerialLink link;
    FakeClock clock;
    FakeDialogs dialogs;
    QtPrinter printer;

    std::unique_ptr<TForm1> open_window() {
        auto window = std::make_unique<TForm1>(DesktopSeams{dir.path(), link, clock, dialogs, printer});
        when_modal_shown(QStringLiteral("TFwytop"), [](QWidget* login) {
            login->findChild<QPushButton*>(QStringLiteral("BBok"))->click();
        });
        dialogs.values.push_back("817");
        window->show();
        return window;
    }

private slots:
    void initTestCase() {
        std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive);
    }

    void aWholeProcessRunsThroughTheWindowAndResumesAfterARestart() {
        auto window = open_window();
        QTRY_VERIFY(window->logged_in());
        Station& station = window->station();
        const ProcessState& p = station.process();

        when_modal_shown(QStringLiteral("TFrecipe_summary"), [](QWidget* params) {
            auto* recipes = params->findChild<QComboBox*>(QStringLiteral("CBrecipe_name"));
            // The operator's pick, as the list reports it.
            const int index = recipes->findText(QString::fromUtf8(kRecipe));
            recipes->setCurrentIndex(index);
            emit recipes->activated(index);
            params->findChild<QLineEdit*>(QStringLiteral("Erecipe_total_weight"))
                ->setText(QStringLiteral("3000"));
            params->findChild<QPushButton*>(QStringLiteral("BBok"))->click();
        });
        window->findChild<QPushButton*>(QStringLiteral("BBweight_params"))->click();
        QTRY_VERIFY2(p.r.recipe_name == kRecipe, dialogs.last().c_str());
        QVERIFY(p.r.total_cycle > 1);

        QVERIFY(simulate_process(*window, [&] {
            return std::count(dialogs.journal.begin(), dialogs.journal.end(), kEnded) == 1;
        }));

        const std::string weight_doc = p.r.weight_doc;
        QVERIFY(!weight_doc.empty());
        QCOMPARE(p.r.curr_cycle, p.r.total_cycle);
        ProcessState logged;
        QVERIFY(load_process(logged, dir.path(), month_key(clock.now()), weight_doc,
                             file_date_time(p.r.start_time)));
        // The meters go on answering after the end; the logged record is the process as it ended.
        QVERIFY(logged.r.stop_time != 0);
        QVERIFY(logged.r.curr_weight >= logged.r.recipe_total_weight);

        const ProcessState at_closing = p;
        window->close();
        QVERIFY(std::filesystem::exists(status_file_path(dir.path())));
        window.reset();

        auto again = open_window();
        QTRY_VERIFY(again->logged_in());
        const ProcessState& resumed = again->station().process();
        QCOMPARE(resumed.r.weight_doc, weight_doc);
        QCOMPARE(resumed.r.curr_cycle, at_closing.r.curr_cycle);
        QCOMPARE(resumed.r.start_time, at_closing.r.start_time);
        for (int n = 1; n <= kScales; ++n) {
            QCOMPARE(resumed.w[n].curr_cycle_status, at_closing.w[n].curr_cycle_status);
            QCOMPARE(resumed.w[n].curr_total_weight, at_closing.w[n].curr_total_weight);
        }
        again->close();
    }
};

}  // namespace

QTEST_MAIN(WholeProcessTest)
#include "whole_process_test.moc"
