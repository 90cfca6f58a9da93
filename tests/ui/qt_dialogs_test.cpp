#include "ui/qt_dialogs.h"

#include <functional>
#include <string>

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using wazenie::QtDialogs;
using wazenie::ValueRequest;

namespace {

// Acts on the next modal window of type T as soon as it is up; a nested box can be armed before the
// window that opens it.
template <class T>
void when_modal(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible()) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(window);
    });
    timer->start(10);
}

QStringList button_texts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* button : box->buttons()) {
        texts << button->text();
    }
    return texts;
}

void click(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable("no button " + text));
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void question_answers_tak_or_nie();
    void messages_break_lines_at_cr();
    void ask_value_shows_refusal_in_a_box();
    void print_dialog_cancel_gives_nothing();
};

void QtDialogsTest::question_answers_tak_or_nie() {
    QtDialogs dialogs;
    when_modal<QMessageBox>([](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), QString("Ważenie"));
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(button_texts(box), QStringList({"Tak", "Nie"}));
        click(box, "Tak");
    });
    QVERIFY(dialogs.question("Czy na pewno zakończyć proces naważania?"));
    when_modal<QMessageBox>([](QMessageBox* box) { click(box, "Nie"); });
    QVERIFY(!dialogs.question("Czy na pewno zakończyć proces naważania?"));
    when_modal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QVERIFY(!dialogs.question("Czy na pewno zakończyć proces naważania?"));
}

void QtDialogsTest::messages_break_lines_at_cr() {
    QtDialogs dialogs;
    when_modal<QMessageBox>([](QMessageBox* box) {
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->text(), QString("Proces naważania nie został zakończony.\nNaciśnij STOP."));
        QCOMPARE(button_texts(box), QStringList({"OK"}));
        click(box, "OK");
    });
    dialogs.error("Proces naważania nie został zakończony.\rNaciśnij STOP.");
    when_modal<QMessageBox>([](QMessageBox* box) {
        QCOMPARE(box->icon(), QMessageBox::Warning);
        click(box, "OK");
    });
    dialogs.warning("Zbyt mało wolnego miejsca na dysku!");
}

void QtDialogsTest::ask_value_shows_refusal_in_a_box() {
    QtDialogs dialogs;
    QString refusal;
    when_modal<QDialog>([&refusal](QDialog* input) {
        QCOMPARE(input->windowTitle(), QString("Masa"));
        when_modal<QMessageBox>([&refusal](QMessageBox* box) {
            refusal = box->text();
            click(box, "OK");
        });
        input->findChild<QLineEdit*>("Etext")->setText("abc");
        QTest::mouseClick(input->findChild<QPushButton*>("BBok"), Qt::LeftButton);
        input->findChild<QLineEdit*>("Etext")->setText("12.5");
        QTest::mouseClick(input->findChild<QPushButton*>("BBok"), Qt::LeftButton);
    });
    QCOMPARE(dialogs.ask_value(ValueRequest{"Masa", "Podaj masę:", "", "float", false}), std::string("12.5"));
    QCOMPARE(refusal, QString("Błędna wartość!"));

    when_modal<QDialog>([](QDialog* input) {
        QTest::mouseClick(input->findChild<QPushButton*>("BBcancel"), Qt::LeftButton);
    });
    QCOMPARE(dialogs.ask_value(ValueRequest{"Masa", "Podaj masę:", "5", "float", false}), std::string());
}

void QtDialogsTest::print_dialog_cancel_gives_nothing() {
    QtDialogs dialogs;
    when_modal<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
    QCOMPARE(dialogs.ask_print_copies(), std::nullopt);
}

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
