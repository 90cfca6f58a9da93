#include "ui/operator_dialog.h"

#include <optional>
#include <string>

#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "storage/operators.h"
#include "ui/support/clicks.h"
#include "ui/support/modal_steps.h"

#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using wazenie::OperatorWindow;
using wazenie::TFwytop;
using wazenie::testing::FakeDialogs;
using wazenie::testing::in_modal_loop;
using wazenie::testing::ScratchDir;

namespace {

void click(const char* name) {
    wazenie::testing::click(QApplication::activeModalWidget(), name);
}

}  // namespace

class OperatorDialogTest : public QObject {
    Q_OBJECT

private slots:
    void login_asks_password_until_right();
    void login_cancelled_or_without_operator();
    void management_mode_deletes_with_del();

private:
    ScratchDir dir_;
};

void OperatorDialogTest::login_asks_password_until_right() {
    const auto file = dir_ / "login.txt";
    QVERIFY(wazenie::save_operators(file, {{"ADMINISTRATOR", "817"}, {"Nowak Jan", "x"}}));
    FakeDialogs dialogs;
    OperatorWindow controller(file, dialogs);
    TFwytop window(controller);
    dialogs.values = {"818", "817"};
    in_modal_loop(window, [&] {
        auto* list = window.findChild<QTreeWidget*>("LVoperators");
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
        QTRY_COMPARE(QApplication::focusWidget(), list);
        QVERIFY(!window.findChild<QWidget*>("SBadd")->isVisible());
        click("BBok");
        QCOMPARE(dialogs.last(), std::string("błąd: Błędne hasło!"));
        QVERIFY(window.isVisible());
        click("BBok");
    });
    QCOMPARE(window.run(OperatorWindow::Mode::Login), std::optional<std::string>("ADMINISTRATOR"));
    QCOMPARE(dialogs.value_requests.size(), std::size_t{2});
    QCOMPARE(dialogs.value_requests[0].caption, std::string("Hasło"));
    QVERIFY(dialogs.value_requests[0].masked);
    // One login per run: the window is not shown again to log in someone else.
    QCOMPARE(window.run(OperatorWindow::Mode::Login), std::nullopt);
}

void OperatorDialogTest::login_cancelled_or_without_operator() {
    const auto file = dir_ / "empty.txt";
    QVERIFY(wazenie::save_operators(file, {}));
    FakeDialogs dialogs;
    OperatorWindow controller(file, dialogs);
    TFwytop window(controller);
    in_modal_loop(window, [&] {
        click("BBok");
        QCOMPARE(dialogs.last(), std::string("błąd: Nie wybrano żadnego operatora!"));
        click("BBcancel");
    });
    QCOMPARE(window.run(OperatorWindow::Mode::Login), std::nullopt);
    QVERIFY(dialogs.value_requests.empty());
}

void OperatorDialogTest::management_mode_deletes_with_del() {
    const auto file = dir_ / "manage.txt";
    QVERIFY(wazenie::save_operators(file, {{"ADMINISTRATOR", "817"}, {"Nowak Jan", "x"}}));
    FakeDialogs dialogs;
    OperatorWindow controller(file, dialogs);
    TFwytop window(controller);
    in_modal_loop(window, [&] {
        QVERIFY(!window.findChild<QWidget*>("BBok")->isVisible());
        QCOMPARE(window.findChild<QToolButton*>("SBdelete")->toolTip(), QString("usuń operatora (del)"));
        auto* list = window.findChild<QTreeWidget*>("LVoperators");
        // A double click logs no one in here.
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        QVERIFY(window.isVisible());
        list->setCurrentItem(list->topLevelItem(1));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(dialogs.last(), std::string("pytanie: Czy napewno usunąć operatora: \"Nowak Jan\"?"));
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
        click("BBclose");
    });
    QCOMPARE(window.run(OperatorWindow::Mode::Management), std::nullopt);
    QCOMPARE(controller.names(), std::vector<std::string>{"ADMINISTRATOR"});
}

QTEST_MAIN(OperatorDialogTest)
#include "operator_dialog_test.moc"
