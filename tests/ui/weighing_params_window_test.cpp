#include "ui/weighing_params_window.h"

#include <optional>
#include <string>

#include "fakes/fake_dialogs.h"
#include "storage/settings.h"
#include "ui/support/modal_steps.h"
#include "windows/weighing_params_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace wazenie;
using wazenie::testing::FakeDialogs;
using wazenie::testing::in_modal_loop;

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

private:
    Settings settings_;
    FakeDialogs dialogs_;
    NoEditor editor_;
    OneClient clients_;
};

void WeighingParamsWindowTest::ok_returns_the_values() {
    WeighingParamsDialog controller(DEMO_DATA, settings_, dialogs_, editor_, clients_);
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
        QTest::mouseClick(window.findChild<QPushButton*>("BBok"), Qt::LeftButton);
    });
    const auto values = window.run(r);
    QVERIFY(values);
    QCOMPARE(values->recipe_name, std::string("B15 chudy beton"));
    QCOMPARE(values->total_text, std::string("2500,5"));
    QCOMPARE(values->client, std::string("BUDMAX"));
    QCOMPARE(dialogs_.journal.size(), std::size_t{1});
}

void WeighingParamsWindowTest::cancel_returns_nothing() {
    WeighingParamsDialog controller(DEMO_DATA, settings_, dialogs_, editor_, clients_);
    TFrecipe_summary window(controller);
    dialogs_.clear();
    in_modal_loop(window, [&] {
        window.findChild<QLineEdit*>("Erecipe_total_weight")->setText("zle");
        QTest::mouseClick(window.findChild<QPushButton*>("BBcancel"), Qt::LeftButton);
    });
    QCOMPARE(window.run(recipe_record{}), std::nullopt);
    QVERIFY(dialogs_.journal.empty());
}

QTEST_MAIN(WeighingParamsWindowTest)
#include "weighing_params_window_test.moc"
