#include "ui/audit_window.h"

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using namespace wazenie::testing;

class AuditWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theDatesAndTheFilterNarrowTheList() {
        ScratchDir dir;
        FakeClock clock;
        FakeDialogs dialogs;
        AuditTrail trail(audit_trail_path(dir.path()));
        QVERIFY(trail.append({clock.time - 40, "ADMINISTRATOR", {"klient", "Budimex", "", "dodany"}}));
        QVERIFY(trail.append(
            {clock.time, "Jan", {"receptura", "B20", "waga 1: Cement 300", "waga 1: Cement 310"}}));
        QVERIFY(trail.append({clock.time, "Jan", {"materiał", "Piasek", "", "dodany"}}));

        TFdziennik window(dir.path(), dialogs, clock);
        window.show();
        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("LVdziennik"));
        QVERIFY(list);
        QCOMPARE(list->headerItem()->text(3), QStringLiteral("Czego dotyczy"));
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("Piasek"));
        QCOMPARE(list->topLevelItem(1)->text(5), QStringLiteral("waga 1: Cement 310"));

        window.findChild<QDateEdit*>(QStringLiteral("DTPod"))->setDate(QDate(2024, 1, 1));
        QTRY_COMPARE(list->topLevelItemCount(), 3);
        window.findChild<QLineEdit*>(QStringLiteral("Efiltr"))->setText(QStringLiteral("budi"));
        QTRY_COMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("ADMINISTRATOR"));
        window.findChild<QDateEdit*>(QStringLiteral("DTPdo"))->setDate(QDate(2024, 1, 20));
        QTRY_COMPARE(list->topLevelItemCount(), 0);
        QVERIFY(dialogs.journal.empty());
    }
};

QTEST_MAIN(AuditWindowTest)
#include "audit_window_test.moc"
