#include "ui/material_window.h"

#include <filesystem>
#include <optional>
#include <string>

#include "fakes/fake_clipboard.h"
#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"
#include "recipes/material_file.h"
#include "storage/material_kinds.h"
#include "ui/support/modal_steps.h"
#include "ui/support/modal_watch.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using namespace wazenie::testing;

namespace {

struct Rig {
    Rig() { std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive); }
    ScratchDir dir;
    FakeDialogs dialogs;
    FakeClipboard clipboard;
};

template <typename T>
T* child(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QLatin1String(name));
    if (!widget) {
        qFatal("no widget %s", name);
    }
    return widget;
}

QStringList shown_rows(QWidget* window) {
    auto* list = child<QTreeWidget>(window, "LVmaterial");
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        rows << list->topLevelItem(i)->text(0);
    }
    return rows;
}

// The in-place editor of the list, once it has the focus.
QLineEdit* name_editor(QWidget* window) {
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return editor && editor != child<QLineEdit>(window, "Esearch") ? editor : nullptr;
}

}  // namespace

class MaterialWindowTest : public QObject {
    Q_OBJECT

private slots:
    void search_in_capitals_from_the_third_character();
    void rename_in_place_with_enter_and_with_esc();
    void ok_and_double_click_choose_the_selected_name();
    void the_kind_column_and_its_choice();
};

void MaterialWindowTest::search_in_capitals_from_the_third_character() {
    Rig rig;
    MaterialWindow controller(rig.dialogs, rig.clipboard, rig.dir.path(), true);
    controller.load();
    TFmaterial window(controller);
    in_modal_loop(window, [&] {
        auto* search = child<QLineEdit>(&window, "Esearch");
        auto* label = child<QLabel>(&window, "Lsearch_enable");
        QCOMPARE(shown_rows(&window).size(), 9);
        QTRY_VERIFY(child<QTreeWidget>(&window, "LVmaterial")->hasFocus());
        QTest::keyClick(&window, Qt::Key_F3);
        QTRY_VERIFY(search->hasFocus());

        QTest::keyClicks(search, "wi");
        QCOMPARE(search->text(), QString("WI"));
        QVERIFY(!label->isVisible());
        QCOMPARE(shown_rows(&window).size(), 9);
        QTest::keyClicks(search, "r");
        QCOMPARE(search->text(), QString("WIR"));
        QVERIFY(label->isVisible());
        QCOMPARE(shown_rows(&window), QStringList({"żwir 2-8", "żwir 8-16"}));
        for (const char* name : {"BBdodaj", "BBusun", "BBedit"}) {
            QVERIFY(!child<QPushButton>(&window, name)->isEnabled());
        }
        // Only the shown rows are copied.
        QTest::mouseClick(child<QToolButton>(&window, "SBcopy"), Qt::LeftButton);
        QCOMPARE(rig.clipboard.text, std::string("Materiał\r\nżwir 2-8\r\nżwir 8-16\r\n"));

        QTest::keyClick(search, Qt::Key_Backspace);
        QVERIFY(!label->isVisible());
        QCOMPARE(shown_rows(&window).size(), 9);
        QVERIFY(child<QPushButton>(&window, "BBedit")->isEnabled());
        QTest::keyClicks(search, "R");
        window.reject();
    });
    window.run();
    // Opening again clears the search and shows every material.
    in_modal_loop(window, [&] {
        QCOMPARE(child<QLineEdit>(&window, "Esearch")->text(), QString());
        QCOMPARE(shown_rows(&window).size(), 9);
        QCOMPARE(child<QTreeWidget>(&window, "LVmaterial")->currentItem()->text(0),
                 QString("cement CEM I 42,5R"));
    });
    window.run();
}

void MaterialWindowTest::rename_in_place_with_enter_and_with_esc() {
    Rig rig;
    MaterialWindow controller(rig.dialogs, rig.clipboard, rig.dir.path(), true);
    controller.load();
    TFmaterial window(controller);
    in_modal_loop(window, [&] {
        auto* ok = child<QPushButton>(&window, "BBok");
        auto* list = child<QTreeWidget>(&window, "LVmaterial");
        list->setCurrentItem(list->topLevelItem(6));
        QTest::mouseClick(child<QPushButton>(&window, "BBedit"), Qt::LeftButton);
        QTRY_VERIFY(name_editor(&window));
        QVERIFY(!ok->isDefault());
        name_editor(&window)->selectAll();
        QTest::keyClicks(name_editor(&window), "aaa");
        QTest::keyClick(name_editor(&window), Qt::Key_Return);
        QTRY_COMPARE(rig.dialogs.last(), std::string("pytanie: Czy napewno zmienić substancję: \"woda\"?"));
        // Enter ended the editing, not the window.
        QVERIFY(window.isVisible());
        QVERIFY(ok->isDefault());
        QCOMPARE(list->topLevelItem(0)->text(0), QString("aaa"));
        QCOMPARE(list->currentItem()->text(0), QString("aaa"));
        QCOMPARE(load_materials(rig.dir.path(), "").front(), std::string("aaa"));

        rig.dialogs.clear();
        QTest::mouseClick(child<QPushButton>(&window, "BBedit"), Qt::LeftButton);
        QTRY_VERIFY(name_editor(&window));
        QTest::keyClicks(name_editor(&window), "zzz");
        QTest::keyClick(name_editor(&window), Qt::Key_Escape);
        QTRY_VERIFY(ok->isDefault());
        QVERIFY(window.isVisible());
        QCOMPARE(list->topLevelItem(0)->text(0), QString("aaa"));
        QVERIFY(rig.dialogs.journal.empty());
        QVERIFY(!(list->topLevelItem(0)->flags() & Qt::ItemIsEditable));
    });
    QCOMPARE(window.run(), std::nullopt);
}

void MaterialWindowTest::ok_and_double_click_choose_the_selected_name() {
    Rig rig;
    MaterialWindowChooser chooser(rig.dialogs, rig.clipboard, rig.dir.path(), true);
    when_modal_shown("TFmaterial", [&](QWidget* window) {
        auto* list = child<QTreeWidget>(window, "LVmaterial");
        auto* search = child<QLineEdit>(window, "Esearch");
        QTest::keyClicks(search, "qqq");
        QCOMPARE(list->topLevelItemCount(), 0);
        QTest::mouseClick(child<QPushButton>(window, "BBok"), Qt::LeftButton);
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Żadna substancja nie została wskazana!"));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton);
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Nie wybrano żadnej substancji!"));
        QVERIFY(window->isVisible());
        search->clear();
        QTest::keyClicks(search, "pop");
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->topLevelItem(0)).center());
    });
    QCOMPARE(chooser.choose_material(), std::optional<std::string>("popiół lotny"));

    when_modal_shown("TFmaterial", [&](QWidget* window) {
        auto* list = child<QTreeWidget>(window, "LVmaterial");
        list->setCurrentItem(list->topLevelItem(3));
        QTest::keyClick(list, Qt::Key_Return);
    });
    QCOMPARE(chooser.choose_material(), std::optional<std::string>("piasek 0-2"));
    QCOMPARE(rig.dialogs.journal.size(), std::size_t{2});
}

void MaterialWindowTest::the_kind_column_and_its_choice() {
    Rig rig;
    MaterialWindow controller(rig.dialogs, rig.clipboard, rig.dir.path(), true);
    controller.load();
    TFmaterial window(controller);
    in_modal_loop(window, [&] {
        auto* list = child<QTreeWidget>(&window, "LVmaterial");
        auto* kind = child<QComboBox>(&window, "CBrodzaj");
        QCOMPARE(list->headerItem()->text(1), QString("Rodzaj"));
        QCOMPARE(list->topLevelItem(3)->text(1), QString());
        list->setCurrentItem(list->topLevelItem(3));
        QVERIFY(kind->isEnabled());
        QCOMPARE(kind->currentText(), QString());
        kind->setCurrentIndex(kind->findText("kruszywo"));
        emit kind->activated(kind->currentIndex());
        QCOMPARE(list->topLevelItem(3)->text(1), QString("kruszywo"));
        QCOMPARE(material_kinds_in(rig.dir.path()).of("piasek 0-2"), MaterialKind::aggregate);
        list->setCurrentItem(list->topLevelItem(0));
        QCOMPARE(kind->currentText(), QString());
        list->setCurrentItem(list->topLevelItem(3));
        QCOMPARE(kind->currentText(), QString("kruszywo"));
    });
    window.run();

    MaterialWindow restricted(rig.dialogs, rig.clipboard, rig.dir.path(), false);
    restricted.load();
    TFmaterial kept(restricted);
    in_modal_loop(kept, [&] {
        QVERIFY(!child<QComboBox>(&kept, "CBrodzaj")->isEnabled());
        QCOMPARE(child<QTreeWidget>(&kept, "LVmaterial")->topLevelItem(3)->text(1), QString("kruszywo"));
    });
    kept.run();
    QVERIFY(rig.dialogs.journal.empty());
}

QTEST_MAIN(MaterialWindowTest)
#include "material_window_test.moc"
