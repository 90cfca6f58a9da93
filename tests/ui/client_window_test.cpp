#include "ui/client_window.h"

#include <filesystem>
#include <optional>
#include <string>

#include "clients/client_file.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"
#include "fakes/scratch_dir.h"
#include "ui/new_client_dialog.h"
#include "ui/support/modal_steps.h"
#include "ui/support/modal_watch.h"
#include "windows/new_client_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace wazenie;
using namespace wazenie::testing;

namespace {

template <typename T = QWidget>
T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

QStringList short_names(QTreeWidget* list) {
    QStringList names;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        names << list->topLevelItem(i)->text(0);
    }
    return names;
}

// A window the program opens: `steps`, then the window is closed if they left it open (a failed
// check), so the test fails instead of hanging.
void in_opened(const char* name, std::function<void(QDialog*)> steps) {
    when_modal_shown(QLatin1String(name), [steps](QWidget* modal) {
        auto* dialog = static_cast<QDialog*>(modal);
        steps(dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

bool copy_demo(const ScratchDir& dir) {
    std::filesystem::copy(DEMO_DATA, dir.path(), std::filesystem::copy_options::recursive);
    return true;
}

// The window over a copy of the demo's clients, the edit dialog as its editor.
struct Rig {
    ScratchDir dir;
    bool copied = copy_demo(dir);
    FakeDialogs dialogs;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeClock clock;
    TFnowy_kontrahent editor{dialogs};
    ClientWindow controller{dir.path(), {dialogs, editor, clipboard, printer, clock}};
};

}  // namespace

class ClientWindowTest : public QObject {
    Q_OBJECT

private slots:
    void search_copy_print_and_choose();
    void add_with_enter_and_nip_mask();
    void edit_delete_and_rights();
    void chooser_returns_double_clicked_client();
};

void ClientWindowTest::search_copy_print_and_choose() {
    Rig rig;
    TFwybor_kontrah window(rig.controller, false);
    QCOMPARE(window.windowTitle(), QString("Baza klientów"));
    in_modal_loop(window, [&] {
        auto* search = child<QLineEdit>(&window, "Esearch_kontrah");
        auto* list = child<QTreeWidget>(&window, "LVkontrahent");
        auto* label = child<QLabel>(&window, "Lsearch_kontrah_enable");
        QTRY_COMPARE(QApplication::focusWidget(), search);
        QCOMPARE(list->headerItem()->text(3), QString("NIP"));
        QCOMPARE(short_names(list), QStringList({"BUDREX", "DROGBUD", "GMINA ŁOPUSZNO", "KOWALSKI"}));
        QTest::keyClicks(search, "ko");
        QCOMPARE(search->text(), QString("KO"));
        QVERIFY(!label->isVisible());
        QCOMPARE(list->topLevelItemCount(), 4);
        QTest::keyClicks(search, "w");
        QVERIFY(label->isVisible());
        QCOMPARE(short_names(list), QStringList({"KOWALSKI"}));
        QTest::mouseClick(child(&window, "SBcopy"), Qt::LeftButton);
        QVERIFY(rig.clipboard.text.starts_with("Nazwa klienta\tAdres klienta\r\nKOWALSKI\t"));
        QTest::mouseClick(child(&window, "SBprint"), Qt::LeftButton);
        QCOMPARE(rig.printer.printed.size(), std::size_t{1});
        QTest::keyClick(search, Qt::Key_Backspace);
        QVERIFY(!label->isVisible());
        QCOMPARE(list->topLevelItemCount(), 4);
        list->setCurrentItem(list->topLevelItem(2));
        QTest::mouseClick(child(&window, "BBwybierz"), Qt::LeftButton);
    });
    QCOMPARE(window.run(), std::optional<std::string>("GMINA ŁOPUSZNO"));

    // Shown again: the search is empty, the first row selected.
    in_modal_loop(window, [&] {
        QCOMPARE(child<QLineEdit>(&window, "Esearch_kontrah")->text(), QString());
        QCOMPARE(child<QTreeWidget>(&window, "LVkontrahent")->currentIndex().row(), 0);
    });
    QCOMPARE(window.run(), std::nullopt);
}

void ClientWindowTest::add_with_enter_and_nip_mask() {
    Rig rig;
    TFwybor_kontrah window(rig.controller, false);
    in_opened("TFnowy_kontrahent", [&](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QString("Nowy klient"));
        auto* brief = child<QLineEdit>(dialog, "Ekontrahent_brief");
        auto* nip = child<QLineEdit>(dialog, "MEnip");
        QTRY_COMPARE(QApplication::focusWidget(), brief);
        QTest::keyClicks(brief, "zwirex");
        QTest::keyClick(brief, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child(dialog, "Ekontrahent"));
        QTest::mouseClick(child(dialog, "BBdodaj"), Qt::LeftButton);
        QCOMPARE(rig.dialogs.last(), std::string("błąd: Nie podano nazwy kontrahenta!"));
        QTRY_COMPARE(QApplication::focusWidget(), child(dialog, "Ekontrahent"));
        child<QLineEdit>(dialog, "Ekontrahent")->insert("Żwirownia Źródło");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), nip);
        QCOMPARE(nip->displayText(), QString("___-___-__-__"));
        // An incomplete NIP keeps the focus; Escape brings the empty field back.
        nip->setCursorPosition(0);
        QTest::keyClicks(nip, "123");
        QTest::keyClick(nip, Qt::Key_Tab);
        QCOMPARE(rig.dialogs.last(), "błąd: " + std::string(kNipRefused));
        QTRY_COMPARE(QApplication::focusWidget(), nip);
        QTest::keyClick(nip, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(nip->displayText(), QString("___-___-__-__"));
        nip->setCursorPosition(0);
        QTest::keyClicks(nip, "1234567890");
        QCOMPARE(nip->displayText(), QString("123-456-78-90"));
        QTest::mouseClick(child(dialog, "BBdodaj"), Qt::LeftButton);
    });
    in_modal_loop(window, [&] {
        QTest::mouseClick(child(&window, "BBdodaj"), Qt::LeftButton);
        auto* list = child<QTreeWidget>(&window, "LVkontrahent");
        QCOMPARE(list->topLevelItemCount(), 5);
        QCOMPARE(list->currentItem()->text(0), QString("zwirex"));
        QCOMPARE(window.focusWidget(), list);
    });
    window.run();
    const auto added = find_client(rig.dir.path(), "zwirex");
    QVERIFY(added);
    QCOMPARE(added->full_name, std::string("Żwirownia Źródło"));
    QCOMPARE(added->nip, std::string("123-456-78-90"));
}

void ClientWindowTest::edit_delete_and_rights() {
    Rig rig;
    {
        TFwybor_kontrah restricted(rig.controller, true);
        QVERIFY(!child(&restricted, "BBedit")->isEnabled());
        QVERIFY(!child(&restricted, "BBusun")->isEnabled());
        QVERIFY(child(&restricted, "BBdodaj")->isEnabled());
    }
    TFwybor_kontrah window(rig.controller, false);
    in_opened("TFnowy_kontrahent", [&](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QString("Edycja klienta"));
        QCOMPARE(child<QLineEdit>(dialog, "Ekontrahent_brief")->text(), QString("KOWALSKI"));
        QCOMPARE(child<QLineEdit>(dialog, "MEnip")->displayText(), QString("959-000-11-22"));
        child<QLineEdit>(dialog, "Emiejscowosc")->setText("ul. Leśna 5, 26-050 Zagnańsk");
        QTest::mouseClick(child(dialog, "BBdodaj"), Qt::LeftButton);
    });
    rig.dialogs.answers = {false, true};
    in_modal_loop(window, [&] {
        auto* list = child<QTreeWidget>(&window, "LVkontrahent");
        list->setCurrentItem(list->topLevelItem(3));
        QTest::mouseClick(child(&window, "BBedit"), Qt::LeftButton);
        QCOMPARE(list->currentItem()->text(2), QString("ul. Leśna 5, 26-050 Zagnańsk"));
        QTest::mouseClick(child(&window, "BBusun"), Qt::LeftButton);
        QCOMPARE(rig.dialogs.last(), std::string("pytanie: Czy napewno usunąć kontrahenta: KOWALSKI ?"));
        QCOMPARE(list->topLevelItemCount(), 4);
        QTest::mouseClick(child(&window, "BBusun"), Qt::LeftButton);
        // The last row went: the new last row is selected.
        QCOMPARE(short_names(list), QStringList({"BUDREX", "DROGBUD", "GMINA ŁOPUSZNO"}));
        QCOMPARE(list->currentItem(), list->topLevelItem(2));
    });
    window.run();
    QVERIFY(!find_client(rig.dir.path(), "KOWALSKI"));
}

void ClientWindowTest::chooser_returns_double_clicked_client() {
    ScratchDir dir;
    copy_demo(dir);
    FakeDialogs dialogs;
    FakeClipboard clipboard;
    FakePrinter printer;
    ClientWindowChooser chooser(dir.path(), dialogs, clipboard, printer, true, nullptr);
    in_opened("TFwybor_kontrah", [](QDialog* window) {
        QVERIFY(!child(window, "BBusun")->isEnabled());
        auto* list = child<QTreeWidget>(window, "LVkontrahent");
        emit list->itemDoubleClicked(list->topLevelItem(1), 0);
    });
    QCOMPARE(chooser.choose_client(), std::optional<std::string>("DROGBUD"));
}

QTEST_MAIN(ClientWindowTest)
#include "client_window_test.moc"
