#include <filesystem>
#include <memory>
#include <string>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_serial_link.h"
#include "fakes/scratch_dir.h"
#include "platform/qt_printer.h"
#include "station/process_edit.h"
#include "station/station.h"
#include "support/modal_watch.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "windows/weighing_params_window.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace wazenie;
using wazenie::testing::when_modal_shown;

namespace {

const QString kEnded = QStringLiteral("Proces naważania został zakończony!");

// The scripted operator for the login and the parameters, and the real boxes for what the loop shows.
class BoxesOfTheLoop : public testing::FakeDialogs {
public:
    void notify(MessageKind kind, const std::string& text) override {
        FakeDialogs::notify(kind, text);
        real.notify(kind, text);
    }
    QtDialogs real;
};

QList<QMessageBox*> end_boxes() {
    QList<QMessageBox*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box && box->isVisible() && box->text() == kEnded) {
            boxes << box;
        }
    }
    return boxes;
}

}  // namespace

class LoopBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void the_loop_goes_on_while_the_end_box_is_up();
};

void LoopBoxesTest::the_loop_goes_on_while_the_end_box_is_up() {
    testing::ScratchDir dir;
    std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive);
    testing::FakeSerialLink link;
    testing::FakeClock clock;
    BoxesOfTheLoop dialogs;
    QtPrinter printer;
    TForm1 window(DesktopSeams{dir.path(), link, clock, dialogs, printer});
    dialogs.real.set_parent(&window);
    when_modal_shown(QStringLiteral("TFwytop"),
                     [](QWidget* login) { login->findChild<QPushButton*>(QStringLiteral("BBok"))->click(); });
    dialogs.values.push_back("817");
    window.show();
    QTRY_VERIFY(window.logged_in());

    Station& station = window.station();
    WeighingParamsConfirmation confirmation(station, dialogs, clock);
    QCOMPARE(confirmation.confirm({"B25 beton konstrukcyjny", "7000", "BUDREX"}), ParamsOutcome::accepted);
    // Every scale has finished the last cycle; the meters stay silent, so the questions time out quickly.
    testing::edit_process(station, [](ProcessState& p) {
        p.r.curr_cycle = p.r.total_cycle;
        for (weight_record& w : p.w) {
            w.curr_cycle = p.r.total_cycle;
            w.curr_cycle_status = cycle_status::COMPLETED;
        }
    });
    station.settings().rs_timeout = 2;
    station.settings().rs_delay = 1;

    QTRY_COMPARE(end_boxes().size(), 1);
    QMessageBox* box = end_boxes().front();
    QVERIFY(box->isModal());
    const std::size_t frames = link.written.size();
    QTRY_VERIFY(link.written.size() >= frames + 20);
    QCOMPARE(link.written.back().substr(0, 1), std::string("A"));
    QCOMPARE(end_boxes().size(), 1);
    QCOMPARE(dialogs.journal, std::vector<std::string>{"informacja: " + kEnded.toStdString()});

    QTest::mouseClick(box->defaultButton(), Qt::LeftButton);
    QTRY_VERIFY(end_boxes().isEmpty());
    window.close();
}

QTEST_MAIN(LoopBoxesTest)
#include "loop_boxes_test.moc"
