#include "windows/operator_dialog.h"

#include "fakes/fake_dialogs.h"
#include "fakes/scratch_dir.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::FakeDialogs;
using testing::ScratchDir;
using testing::write_bytes;

class OperatorWindowTest : public ::testing::Test {
protected:
    OperatorWindow open(OperatorWindow::Mode mode) {
        OperatorWindow window(operators_file_path(dir.path()), dialogs);
        window.show(mode);
        return window;
    }
    std::vector<Operator> on_disk() { return load_operators(operators_file_path(dir.path())).operators; }

    ScratchDir dir;
    FakeDialogs dialogs;
};

TEST_F(OperatorWindowTest, LoginChecksThePasswordExactly) {
    OperatorWindow w = open(OperatorWindow::Mode::Login);
    ASSERT_EQ(w.selected(), 0);
    dialogs.values = {"818", "", "817"};
    EXPECT_FALSE(w.login());
    EXPECT_EQ(dialogs.last(), "błąd: Błędne hasło!");
    EXPECT_EQ(dialogs.value_requests[0].caption, "Hasło");
    EXPECT_EQ(dialogs.value_requests[0].prompt, "Podaj hasło:");
    EXPECT_TRUE(dialogs.value_requests[0].masked);
    dialogs.clear();
    EXPECT_FALSE(w.login());  // cancelled: no message, the window stays
    EXPECT_TRUE(dialogs.journal.empty());
    EXPECT_TRUE(w.login());
    EXPECT_EQ(w.selected_name(), "ADMINISTRATOR");

    w.select(-1);
    EXPECT_FALSE(w.login());
    EXPECT_EQ(dialogs.last(), "błąd: Nie wybrano żadnego operatora!");
}

TEST_F(OperatorWindowTest, AddGuardsTheNameAndThePassword) {
    OperatorWindow w = open(OperatorWindow::Mode::Management);
    dialogs.values = {"   "};
    w.add_operator();
    EXPECT_EQ(dialogs.last(), "błąd: Błędna nazwa operatora!");
    dialogs.values = {"administrator"};
    w.add_operator();
    EXPECT_EQ(dialogs.last(), "błąd: Operator już istnieje!");
    dialogs.values = {"Jan Kowalski", "  "};
    w.add_operator();
    EXPECT_EQ(dialogs.last(), "błąd: Hasło nie może być puste!");
    dialogs.values = {"Jan Kowalski"};  // password dialog cancelled
    w.add_operator();
    EXPECT_EQ(w.operators().size(), 1u);

    dialogs.clear();
    dialogs.values = {std::string(40, 'Z'), " tajne "};
    w.add_operator();
    dialogs.values = {"Ćma Ewa", "1"};
    w.add_operator();
    EXPECT_TRUE(dialogs.journal.empty());
    const std::vector<std::string> expected = {"ADMINISTRATOR", "Ćma Ewa", std::string(32, 'Z')};
    EXPECT_EQ(w.names(), expected);
    EXPECT_EQ(w.selected_name(), "Ćma Ewa");
    EXPECT_EQ(on_disk(), w.operators());
    EXPECT_EQ(on_disk()[2].password, " tajne ");
    EXPECT_EQ(dialogs.value_requests.back().prompt, "Wprowadź hasło dla nowego operatora:");
}

TEST_F(OperatorWindowTest, DeleteAsksFirstAndNeverRemovesTheAdministrator) {
    write_bytes(operators_file_path(dir.path()),
                encode_operators({{"ADMINISTRATOR", "817"}, {"Bogdan", "b"}, {"Celina", "c"}}));
    OperatorWindow w = open(OperatorWindow::Mode::Management);
    dialogs.answers = {true};
    w.delete_operator();
    EXPECT_EQ(dialogs.journal[0], "pytanie: Czy napewno usunąć operatora: \"ADMINISTRATOR\"?");
    EXPECT_EQ(dialogs.last(), "błąd: Administrator nie może być usunięty!");
    EXPECT_EQ(w.operators().size(), 3u);

    w.select(2);
    dialogs.answers = {false};
    w.delete_operator();
    EXPECT_EQ(w.operators().size(), 3u);
    dialogs.answers = {true};
    w.delete_operator();
    EXPECT_EQ(w.selected_name(), "Bogdan");  // the last one removed: the new last is selected
    EXPECT_EQ(on_disk().size(), 2u);

    w.select(-1);
    w.delete_operator();
    EXPECT_EQ(dialogs.last(), "błąd: Żaden operator nie został wskazany!");
}

TEST_F(OperatorWindowTest, ChangePasswordAndAFailedSaveKeepsTheChangeInMemory) {
    OperatorWindow w = open(OperatorWindow::Mode::Management);
    dialogs.values = {" "};
    w.change_password();
    EXPECT_EQ(dialogs.last(), "błąd: Hasło nie może być puste!");
    dialogs.values = {"nowe"};
    w.change_password();
    EXPECT_EQ(on_disk()[0].password, "nowe");
    EXPECT_EQ(dialogs.value_requests.back().caption, "Zmiana hasła");

    std::filesystem::remove(operators_file_path(dir.path()));
    std::filesystem::create_directories(operators_file_path(dir.path()) / "blokada");
    dialogs.values = {"inne"};
    w.change_password();
    EXPECT_EQ(dialogs.last().rfind("błąd: Błąd (1) przy zapisie do pliku: ", 0), 0u);
    EXPECT_EQ(w.operators()[0].password, "inne");
    EXPECT_FALSE(w.login());  // management mode never logs in
}

}  // namespace
}  // namespace wazenie
