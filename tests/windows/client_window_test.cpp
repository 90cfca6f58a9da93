#include "windows/client_window.h"

#include <deque>

#include "clients/client_file.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_printer.h"
#include "fakes/scratch_dir.h"
#include "storage/date_time.h"
#include "storage/text_file.h"
#include "windows/new_client_dialog.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using namespace wazenie::testing;

// The edit dialog: queued entries (nothing = cancelled) and a record of how it was opened.
class FakeClientEditor : public ClientEditor {
public:
    std::deque<std::optional<Client>> entries;
    std::vector<std::pair<std::string, Client>> opened;
    std::optional<Client> edit(const std::string& caption, const Client& initial) override {
        opened.emplace_back(caption, initial);
        if (entries.empty()) {
            return std::nullopt;
        }
        auto e = entries.front();
        entries.pop_front();
        return e;
    }
};

class ClientWindowTest : public ::testing::Test {
protected:
    void TearDown() override { text_file::reset_faults(); }

    void write_file(const std::vector<std::string>& lines) {
        ASSERT_TRUE(text_file::write_lines(clients_file_path(dir.path()), lines));
    }
    std::vector<std::string> file_lines() { return *text_file::read_lines(clients_file_path(dir.path())); }
    ClientWindow open() {
        ClientWindow w(dir.path(), {dialogs, editor, clipboard, printer, clock});
        w.show();
        return w;
    }
    std::vector<std::string> shown(const ClientWindow& w) {
        std::vector<std::string> names;
        for (const Client& c : w.rows()) {
            names.push_back(c.short_name);
        }
        return names;
    }

    ScratchDir dir;
    FakeDialogs dialogs;
    FakeClientEditor editor;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeClock clock;
    const std::vector<std::string> three = {"NOWAK\tAdam Nowak\tKraków\t111-222-33-44",
                                            "KOWALSKI\tJan Kowalski\tŁódź\t   -   -  -  ",
                                            "ŁÓDŹBET\tBetoniarnia Łódź\tŁódź\t"};
};

TEST_F(ClientWindowTest, MissingFileWarnsAndLeavesNothingToChoose) {
    ClientWindow w = open();
    EXPECT_EQ(dialogs.journal.at(0), "ostrzeżenie: Nie znaleziono pliku z kontrahentami!");
    EXPECT_TRUE(w.rows().empty());
    EXPECT_EQ(w.selected(), -1);
    EXPECT_FALSE(w.choose());
    EXPECT_EQ(dialogs.last(), "błąd: Nie wybrano żadnego klienta!");
    w.edit_client();
    EXPECT_EQ(dialogs.last(), "błąd: Nie wskazano klienta!");
    w.delete_client();
    EXPECT_EQ(dialogs.last(), "błąd: Nie wskazano kontrahenta!");
}

TEST_F(ClientWindowTest, ListIsSortedAndSearchNeedsThreeCharacters) {
    write_file(three);
    ClientWindow w = open();
    EXPECT_EQ(shown(w), (std::vector<std::string>{"KOWALSKI", "ŁÓDŹBET", "NOWAK"}));
    EXPECT_EQ(w.selected(), 0);
    w.search_changed("ko");
    EXPECT_EQ(w.search_text(), "KO");
    EXPECT_FALSE(w.search_enabled());
    EXPECT_EQ(w.rows().size(), 3u);
    w.search_changed("kow");
    EXPECT_TRUE(w.search_enabled());
    EXPECT_EQ(shown(w), (std::vector<std::string>{"KOWALSKI"}));
    w.search_changed("łód");  // Polish letters compared in upper case
    EXPECT_EQ(shown(w), (std::vector<std::string>{"ŁÓDŹBET"}));
    w.search_changed("łó");
    EXPECT_FALSE(w.search_enabled());
    EXPECT_EQ(w.rows().size(), 3u);
    w.search_changed("WAK");  // anywhere in the short name
    EXPECT_EQ(shown(w), (std::vector<std::string>{"NOWAK"}));
    EXPECT_EQ(w.choose(), "NOWAK");
    w.show();  // the next showing starts unfiltered
    EXPECT_EQ(w.search_text(), "");
    EXPECT_FALSE(w.search_enabled());
    EXPECT_EQ(w.rows().size(), 3u);
}

TEST_F(ClientWindowTest, AddedClientIsAppendedAndSelected) {
    write_file(three);
    ClientWindow w = open();
    w.search_changed("NOW");
    editor.entries = {Client{"ADAM", "Adam\tSp. z o.o.", "Wrocław", ""},
                      Client{"NOWAK", "Drugi Nowak", "", ""}};
    w.add_client();
    EXPECT_EQ(editor.opened.at(0).first, "Nowy klient");
    EXPECT_EQ(editor.opened.at(0).second, (Client{"", "", "", std::string(kEmptyNip)}));
    EXPECT_EQ(file_lines().back(), "ADAM\tAdam Sp. z o.o.\tWrocław\t   -   -  -  ");
    EXPECT_FALSE(w.search_enabled());
    EXPECT_EQ(w.rows().size(), 4u);
    EXPECT_EQ(w.choose(), "ADAM");

    w.add_client();  // the same short name again: a second line, the lookup keeps the first
    EXPECT_EQ(file_lines().size(), 5u);
    EXPECT_EQ(find_client(dir.path(), "NOWAK")->full_name, "Adam Nowak");
    EXPECT_FALSE(find_client(dir.path(), "nowak"));
    EXPECT_EQ(w.rows()[static_cast<std::size_t>(w.selected())].short_name, "NOWAK");

    const std::size_t before = file_lines().size();
    w.add_client();  // cancelled
    EXPECT_EQ(file_lines().size(), before);

    write_bytes(clients_file_path(dir.path()), "BEZ\tKonca linii");  // no line end after the last line
    editor.entries = {Client{"NOWY", "Nowy", "", ""}};
    w.add_client();
    EXPECT_EQ(file_lines(), (std::vector<std::string>{"BEZ\tKonca linii", "NOWY\tNowy\t\t   -   -  -  "}));
}

TEST_F(ClientWindowTest, EditReplacesEveryIdenticalLineOnly) {
    write_file({"A\tFirma A\tAdres\t   -   -  -  ", "B\tFirma B\t\t", "A\tFirma A\tAdres\t   -   -  -  ",
                "A\tFirma A\tAdres\t   -   -  -  \tpiąte pole"});
    ClientWindow w = open();
    w.select(0);
    editor.entries = {Client{"A2", "Firma A2", "Nowy adres", "123-456-78-90"}};
    w.edit_client();
    EXPECT_EQ(editor.opened.at(0).first, "Edycja klienta");
    EXPECT_EQ(editor.opened.at(0).second.full_name, "Firma A");
    const std::vector<std::string> expected = {"A2\tFirma A2\tNowy adres\t123-456-78-90", "B\tFirma B\t\t",
                                               "A2\tFirma A2\tNowy adres\t123-456-78-90",
                                               "A\tFirma A\tAdres\t   -   -  -  \tpiąte pole"};
    EXPECT_EQ(file_lines(), expected);
    EXPECT_EQ(w.choose(), "A2");
    EXPECT_FALSE(std::filesystem::exists(clients_work_file_path(dir.path())));
}

TEST_F(ClientWindowTest, DeleteRemovesEveryLineOfTheShortNameAndSelectsTheNeighbour) {
    write_file({"A\t1\t\t", "C\t3\t\t", "B\t2\t\t", "C\tdrugi\t\t"});
    ClientWindow w = open();
    w.select(3);  // the second C, last row
    dialogs.answers = {false, true};
    w.delete_client();
    EXPECT_EQ(dialogs.last(), "pytanie: Czy napewno usunąć kontrahenta: C ?");
    EXPECT_EQ(file_lines().size(), 4u);
    w.delete_client();
    EXPECT_EQ(file_lines(), (std::vector<std::string>{"A\t1\t\t", "B\t2\t\t"}));
    EXPECT_EQ(w.choose(), "B");  // the deleted row was last: the new last row
    w.select(0);
    w.delete_client();
    EXPECT_EQ(w.choose(), "B");  // the row now at the deleted one's place
}

TEST_F(ClientWindowTest, WriteFailuresGiveTheirMessagesAndKeepTheFile) {
    write_file(three);
    const std::string before = read_bytes(clients_file_path(dir.path()));
    ClientWindow w = open();
    editor.entries = {Client{"X", "X", "", ""}, Client{"Y", "Y", "", ""}, Client{"Z", "Z", "", ""}};
    text_file::inject_faults({true, -1, false});
    w.edit_client();
    EXPECT_EQ(dialogs.last(),
              "błąd: Błąd zapisu do pliku! Dysk zabezpieczony przed zapisem lub brak wolnego miejsca");
    text_file::inject_faults({false, -1, true});
    w.edit_client();
    EXPECT_EQ(dialogs.last(),
              "błąd: Błąd zapisu do pliku (2)! Dysk zabezpieczony przed zapisem lub brak wolnego miejsca");
    w.delete_client();
    EXPECT_EQ(dialogs.last(),
              "błąd: Błąd zapisu do pliku (2)! Dysk zabezpieczony przed zapisem lub brak wolnego miejsca");
    text_file::inject_faults({true, -1, false});
    w.add_client();
    EXPECT_EQ(dialogs.last(),
              "błąd: Błąd zapisu do pliku! Dysk zabezpieczony przed zapisem lub brak wolnego miejsca");
    text_file::reset_faults();
    EXPECT_EQ(read_bytes(clients_file_path(dir.path())), before);

    std::filesystem::remove(clients_file_path(dir.path()));
    editor.entries = {Client{"W", "W", "", ""}};
    w.edit_client();
    EXPECT_EQ(dialogs.last(),
              "błąd: Plik z klientami nie istnieje !?!?!? Błąd systemu lub uszkodzony dysk?!?!?");
}

TEST_F(ClientWindowTest, CopyTakesTheRowsShown) {
    write_file(three);
    ClientWindow w = open();
    w.search_changed("OWA");
    w.copy_table();
    EXPECT_EQ(clipboard.text,
              "Nazwa klienta\tAdres klienta\r\nKOWALSKI\tJan Kowalski\r\nNOWAK\tAdam Nowak\r\n");
}

TEST_F(ClientWindowTest, PrintedTable) {
    write_file({std::string(45, 'S') + "\tPełna nazwa\t\t", "B\tBeta\t\t"});
    clock.time = *make_date_time({2024, 3, 5, 14, 7, 9, 0});
    ClientWindow w = open();
    dialogs.answers = {false};
    w.print_table();
    EXPECT_TRUE(printer.printed.empty());
    w.print_table();
    EXPECT_EQ(dialogs.last(), "pytanie: Czy napewno drukować tabelę klientów?");
    ASSERT_EQ(printer.printed.size(), 1u);
    const PrintDocument& doc = printer.printed[0];
    EXPECT_EQ(doc.title, "Baza klientów 2024/03/05, 14:07.09");
    EXPECT_EQ(doc.orientation, PageOrientation::Portrait);
    const std::string indent(8, ' ');
    const std::vector<std::string> lines = doc.plain_lines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], indent);
    EXPECT_EQ(lines[4], indent + "Baza klientów");
    EXPECT_EQ(lines[5], indent + "Data sporządzenia raportu: 2024/03/05, 14:07.09");
    EXPECT_EQ(lines[7],
              indent + " Lp.  Nazwa klienta" + std::string(27, ' ') + "Adres klienta" + std::string(37, ' '));
    EXPECT_EQ(lines[9], indent + "   1  B" + std::string(39, ' ') + "Beta" + std::string(46, ' '));
    EXPECT_EQ(lines[10], indent + "   2  " + std::string(40, 'S') + "Pełna nazwa" + std::string(39, ' '));
    EXPECT_EQ(lines[12], indent + "Koniec raportu.");
    EXPECT_TRUE(doc.lines[4].runs.at(1).font.bold);
    EXPECT_FALSE(doc.lines[7].runs.at(0).font.underline);  // the indent is not underlined
    EXPECT_TRUE(doc.lines[7].runs.at(1).font.underline);
    EXPECT_TRUE(doc.lines[12].runs.at(1).font.italic);
    EXPECT_EQ(doc.lines[9].runs.at(1).font, (PrintFont{"Courier New", 9, false, false, false}));

    printer.name.reset();
    w.print_table();
    EXPECT_EQ(dialogs.last(), "błąd: Żadna drukarka nie jest aktualnie zainstalowana!");
}

TEST_F(ClientWindowTest, RightsDisableEditAndDelete) {
    write_file(three);
    ClientWindow w = open();
    w.set_changes_allowed(false);
    w.delete_client();
    editor.entries = {Client{"X", "X", "", ""}};
    w.edit_client();
    EXPECT_EQ(file_lines(), three);
    EXPECT_TRUE(editor.opened.empty());
}

TEST(ClientEntry, FullNameAndNipRules) {
    EXPECT_EQ(client_entry_error(Client{"A", "", "", ""}), "Nie podano nazwy kontrahenta!");
    EXPECT_FALSE(client_entry_error(Client{"", "Pełna", "", ""}));
    EXPECT_TRUE(nip_acceptable("   -   -  -  ", false));
    EXPECT_FALSE(nip_acceptable("   -   -  -  ", true));
    EXPECT_FALSE(nip_acceptable("123-456-78-9 ", true));
    EXPECT_FALSE(nip_acceptable("1234567890", true));
    EXPECT_FALSE(nip_acceptable("123-456-78-9a", true));
    EXPECT_TRUE(nip_acceptable("123-456-78-90", true));
}

}  // namespace
}  // namespace wazenie
