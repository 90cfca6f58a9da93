#include "ui/weighing_params_window.h"

#include <optional>
#include <string>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "storage/settings.h"
#include "storage/text_file.h"
#include "ui/look.h"
#include "ui/support/modal_steps.h"
#include "windows/weighing_params_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace wazenie;
using wazenie::testing::FakeClock;
using wazenie::testing::FakeDialogs;
using wazenie::testing::in_modal_loop;
using wazenie::testing::ScratchDir;

namespace {

struct NoEditor : RecipeEditorLauncher {
    std::optional<Choice> open_recipe_editor() override { return std::nullopt; }
};

struct OneClient : ClientChooser {
    std::optional<std::string> choose_client() override { return "BUDMAX"; }
};

}  // namespace

class WeighingParamsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void ok_returns_the_values();
    void cancel_returns_nothing();
    void the_aggregates_moisture_is_shown_checked_and_returned();

private:
    Settings settings_;
    FakeDialogs dialogs_;
    FakeClock clock_;
    NoEditor editor_;
    OneClient clients_;
};

void WeighingParamsWindowTest::ok_returns_the_values() {
    WeighingParamsDialog controller(DEMO_DATA, settings_, dialogs_, editor_, clients_, clock_, "JAN");
    TFrecipe_summary window(controller);
    recipe_record r;
    r.recipe_name = "B25 beton konstrukcyjny";
    r.recipe_total_weight = 1000;
    in_modal_loop(window, [&] {
        auto* recipes = window.findChild<QComboBox*>("CBrecipe_name");
        auto* total = window.findChild<QLineEdit*>("Erecipe_total_weight");
        QCOMPARE(recipes->currentText(), QString("B25 beton konstrukcyjny"));
        QCOMPARE(total->text(), QString("1000"));
        QCOMPARE(total->maxLength(), 7);
        QVERIFY(window.findChild<QGroupBox*>("GBwilgotnosc")->isHidden());
        emit recipes->activated(0);
        QCOMPARE(recipes->currentText(), QString("B15 chudy beton"));
        QVERIFY(total->text() != QString("1000"));
        QTest::mouseClick(window.findChild<QPushButton*>("BBclient"), Qt::LeftButton);
        QCOMPARE(window.findChild<QLabel*>("Lclient_name")->text(), QString("BUDMAX"));
        // A total never left is still checked by OK.
        total->setFocus();
        total->setText("12a");
        QTest::mouseClick(window.findChild<QPushButton*>("BBok"), Qt::LeftButton);
        QCOMPARE(dialogs_.last(), std::string("błąd: Błędna wartość!"));
        QVERIFY(window.isVisible());
        total->setText("2500,5");
        auto* truck = window.findChild<QComboBox*>("CBsamochod");
        QVERIFY(truck->isEditable());
        QTest::keyClicks(truck->lineEdit(), "WGM 1");
        QTest::mouseClick(window.findChild<QPushButton*>("BBok"), Qt::LeftButton);
    });
    const auto values = window.run(r);
    QVERIFY(values);
    QCOMPARE(values->delivery.truck, std::string("WGM 1"));
    QVERIFY(values->delivery.site.empty());
    QCOMPARE(values->recipe_name, std::string("B15 chudy beton"));
    QCOMPARE(values->total_text, std::string("2500,5"));
    QCOMPARE(values->client, std::string("BUDMAX"));
    QCOMPARE(dialogs_.journal.size(), std::size_t{1});
}

void WeighingParamsWindowTest::cancel_returns_nothing() {
    WeighingParamsDialog controller(DEMO_DATA, settings_, dialogs_, editor_, clients_, clock_, "JAN");
    TFrecipe_summary window(controller);
    dialogs_.clear();
    in_modal_loop(window, [&] {
        window.findChild<QLineEdit*>("Erecipe_total_weight")->setText("zle");
        QTest::mouseClick(window.findChild<QPushButton*>("BBcancel"), Qt::LeftButton);
    });
    QCOMPARE(window.run(recipe_record{}), std::nullopt);
    QVERIFY(dialogs_.journal.empty());
}

void WeighingParamsWindowTest::the_aggregates_moisture_is_shown_checked_and_returned() {
    ScratchDir dir;
    std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive);
    QVERIFY(text_file::write_lines(dir / "materialy_rodzaje.txt",
                                   {"piasek 0-2\tkruszywo", "żwir 2-8\tkruszywo", "woda\twoda"})
                .ok());
    QVERIFY(
        text_file::write_lines(dir / "wilgotnosc.txt", {"piasek 0-2\t4.5\t2024-03-04 14:00:00\tANNA"}).ok());
    WeighingParamsDialog controller(dir.path(), settings_, dialogs_, editor_, clients_, clock_, "JAN");
    TFrecipe_summary window(controller);
    recipe_record r;
    r.recipe_name = "B25 beton konstrukcyjny";
    dialogs_.clear();
    in_modal_loop(window, [&] {
        auto* group = window.findChild<QGroupBox*>("GBwilgotnosc");
        QVERIFY(group->isVisible());
        QCOMPARE(group->title(), QString("Wilgotność kruszyw [%]"));
        auto* sand = window.findChild<QLineEdit*>("Ewilgotnosc1");
        auto* gravel = window.findChild<QLineEdit*>("Ewilgotnosc2");
        QVERIFY(sand && gravel && !window.findChild<QLineEdit*>("Ewilgotnosc3"));
        QCOMPARE(sand->text(), QString("4.5"));
        QCOMPARE(sand->palette().color(QPalette::Base), kAmber);
        QCOMPARE(sand->toolTip(), QString("ustawiona 2024-03-04 14:00:00 przez ANNA"));
        QCOMPARE(gravel->text(), QString());
        QVERIFY(gravel->palette().color(QPalette::Base) != kAmber);

        gravel->setFocus();
        QTRY_VERIFY(gravel->hasFocus());
        QTest::keyClicks(gravel, "25");
        QTest::keyClick(gravel, Qt::Key_Backtab);
        QCOMPARE(dialogs_.last(), std::string("błąd: Wilgotność kruszywa musi być liczbą od 0 do 20 %."));
        QTRY_VERIFY(gravel->hasFocus());
        gravel->selectAll();
        QTest::keyClicks(gravel, "3,5");
        sand->setFocus();
        QTRY_VERIFY(sand->hasFocus());
        sand->selectAll();
        QTest::keyClicks(sand, "5");
        QVERIFY(sand->palette().color(QPalette::Base) != kAmber);
        QVERIFY(sand->toolTip().isEmpty());
        QTest::mouseClick(window.findChild<QPushButton*>("BBok"), Qt::LeftButton);
    });
    const auto values = window.run(r);
    QVERIFY(values);
    QCOMPARE(values->moisture.find("piasek 0-2")->percent, 5.0);
    QCOMPARE(values->moisture.find("piasek 0-2")->set_by, std::string("JAN"));
    QCOMPARE(values->moisture.find("żwir 2-8")->percent, 3.5);
    QCOMPARE(dialogs_.journal.size(), std::size_t{1});
}

QTEST_MAIN(WeighingParamsWindowTest)
#include "weighing_params_window_test.moc"
