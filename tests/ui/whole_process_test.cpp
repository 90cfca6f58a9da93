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
using wazenie::testing::when_modal_shown;

namespace {

constexpr const char* kRecipe = "B20 beton towarowy";
constexpr const char* kEnded = "informacja: Proces naważania został zakończony!";

// The operator at the simulation's toggles: a scale's tank is opened once its reading has reached the
// cycle's mass, and closed again once the system has moved on from that cycle (or the process ended).
class SimulatingOperator {
public:
    explicit SimulatingOperator(TForm1& window) : window_(window) {}

    void step() {
        const ProcessState& p = window_.station().process();
        for (int n = 1; n <= kScales; ++n) {
            const weight_record& w = p.w[n];
            auto* open = window_.findChild<QPushButton*>(QStringLiteral("SBweight%1_open").arg(n));
            if (!w.weight_enabled || open == nullptr) {
                continue;
            }
            const double target = cycle_mass(w.recipe_total_weight_c1, w.recipe_total_weight_clast,
                                             w.curr_cycle, p.r.total_cycle);
            if (!open->isChecked() && w.curr_cycle_status == cycle_status::STARTED &&
                w.curr_weight[w.curr_cycle] >= target) {
                open->click();
                opened_in_[n] = p.r.curr_cycle;
            } else if (open->isChecked() && (p.r.curr_cycle > opened_in_[n] || p.r.stop_time != 0)) {
                open->click();
            }
        }
    }

private:
    TForm1& window_;
    IndexedArray<int, kScales> opened_in_{};
};

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

        for (int n = 1; n <= kScales; ++n) {
            window->findChild<QCheckBox*>(QStringLiteral("CBweight%1_auto").arg(n))
                ->setChecked(p.w[n].weight_enabled);
            const double per_question = std::ceil(p.w[n].recipe_total_weight_c1 / 4);
            window->findChild<QSpinBox*>(QStringLiteral("SEweight%1_auto_delta").arg(n))
                ->setValue(static_cast<int>(std::max(per_question, 1.0)));
        }
        window->findChild<QPushButton*>(QStringLiteral("SBstart"))->click();

        SimulatingOperator at_the_toggles(*window);
        QTimer toggles;
        connect(&toggles, &QTimer::timeout, [&] { at_the_toggles.step(); });
        toggles.start(10);
        QTRY_VERIFY_WITH_TIMEOUT(std::count(dialogs.journal.begin(), dialogs.journal.end(), kEnded) == 1,
                                 60000);
        toggles.stop();

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
