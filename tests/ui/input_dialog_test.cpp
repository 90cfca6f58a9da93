#include "ui/input_dialog.h"

#include <optional>
#include <string>

#include "fakes/fake_dialogs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using wazenie::TFinput;
using wazenie::ValueRequest;
using wazenie::testing::FakeDialogs;

class InputDialogTest : public QObject {
    Q_OBJECT

private slots:
    void entry_checked_against_type_data();
    void entry_checked_against_type();
    void refused_entry_stays_until_corrected();
    void cancel_closes_without_check();
};

void InputDialogTest::entry_checked_against_type_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("float with a point") << "float"
                                        << "12.5" << true;
    QTest::newRow("float with a comma") << "float"
                                        << "12,5" << true;
    QTest::newRow("float of letters") << "float"
                                      << "abc" << false;
    QTest::newRow("integer") << "integer"
                             << "3" << true;
    QTest::newRow("integer with a fraction") << "integer"
                                             << "3.5" << false;
    QTest::newRow("empty string") << "string"
                                  << "" << true;
}

void InputDialogTest::entry_checked_against_type() {
    QFETCH(QString, type);
    QFETCH(QString, entry);
    QFETCH(bool, accepted);
    FakeDialogs dialogs;
    TFinput dialog(dialogs);
    dialog.set_request(ValueRequest{"Masa", "Podaj masę substancji [kg]:", "", type.toStdString(), false});
    dialog.show();
    dialog.findChild<QLineEdit*>("Etext")->setText(entry);
    QTest::mouseClick(dialog.findChild<QPushButton*>("BBok"), Qt::LeftButton);
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialogs.last(), accepted ? std::string() : std::string("błąd: Błędna wartość!"));
    if (accepted) {
        QCOMPARE(dialog.entry(), entry.toStdString());
    }
}

void InputDialogTest::refused_entry_stays_until_corrected() {
    FakeDialogs dialogs;
    std::optional<std::string> result;
    QTimer::singleShot(0, [&dialogs] {
        auto* dialog = qobject_cast<TFinput*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* entry = dialog->findChild<QLineEdit*>("Etext");
        QCOMPARE(entry->echoMode(), QLineEdit::Password);
        QTRY_COMPARE(QApplication::focusWidget(), entry);
        QCOMPARE(entry->text(), QString("1"));
        QTest::keyClicks(entry, "x");  // replaces the selected initial text
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(dialogs.last(), std::string("błąd: Błędna wartość!"));
        QVERIFY(dialog->isVisible());
        entry->setText("7");
        QTest::keyClick(entry, Qt::Key_Return);
    });
    result = TFinput::ask(ValueRequest{"Ilość cykli", "Podaj ilość cykli (1-9):", "1", "integer", true},
                          dialogs, nullptr);
    QCOMPARE(result, std::optional<std::string>("7"));
    QCOMPARE(dialogs.journal.size(), std::size_t{1});
}

void InputDialogTest::cancel_closes_without_check() {
    FakeDialogs dialogs;
    QTimer::singleShot(0, [] {
        auto* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>("Etext")->setText("abc");
        QTest::mouseClick(dialog->findChild<QPushButton*>("BBcancel"), Qt::LeftButton);
    });
    QCOMPARE(TFinput::ask(ValueRequest{"Masa", "Podaj masę:", "", "float", false}, dialogs, nullptr),
             std::nullopt);
    QVERIFY(dialogs.journal.empty());
}

QTEST_MAIN(InputDialogTest)
#include "input_dialog_test.moc"
