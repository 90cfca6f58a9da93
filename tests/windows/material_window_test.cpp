#include "windows/material_window.h"

#include "fakes/fake_clipboard.h"
#include "fakes/fake_dialogs.h"
#include "recipes/material_file.h"
#include "recipes/recipe_test_support.h"
#include "storage/material_kinds.h"
#include "storage/text_helpers.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using Names = std::vector<std::string>;

class MaterialWindowTest : public ::testing::Test {
protected:
    MaterialWindow& window(const Names& file_names) {
        EXPECT_TRUE(text_file::write_lines(material_file_path(dir.path()), file_names));
        window_.load();
        window_.open();
        return window_;
    }
    Names file() { return testing::read_file(material_file_path(dir.path())); }

    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
    testing::FakeClipboard clipboard;
    testing::FaultGuard faults;
    MaterialWindow window_{dialogs, clipboard, dir.path(), true};
};

const Names kStock = {"żwir 2-8", "PIASEK", "cement", "piasek 0-2", "pył"};

TEST_F(MaterialWindowTest, RowsAreInPolishOrderWithTheFirstSelected) {
    MaterialWindow& w = window({"żwir 2-8", "zeolit", "łupek", "lepik", "ącz", "ałun", "Cement", ""});
    EXPECT_EQ(w.rows(), (Names{"ałun", "ącz", "Cement", "lepik", "łupek", "zeolit", "żwir 2-8"}));
    EXPECT_EQ(w.selected(), 0u);
}

TEST_F(MaterialWindowTest, SearchStartsAtTheThirdCharacterAndIgnoresLetterCase) {
    MaterialWindow& w = window(kStock);
    w.search_changed("pi");
    EXPECT_FALSE(w.search_on());
    EXPECT_EQ(w.rows().size(), 5u);

    w.search_changed("pia");
    EXPECT_EQ(w.search_text(), "PIA");
    EXPECT_TRUE(w.search_on());
    EXPECT_FALSE(w.edit_buttons_enabled());
    EXPECT_EQ(w.rows(), (Names{"PIASEK", "piasek 0-2"}));

    w.search_changed("żwi");
    EXPECT_EQ(w.search_text(), "ŻWI");
    w.search_changed("żwir");
    EXPECT_EQ(w.rows(), (Names{"żwir 2-8"}));
    EXPECT_EQ(w.selected(), 0u);

    w.search_changed("żw");
    EXPECT_FALSE(w.search_on());
    EXPECT_TRUE(w.edit_buttons_enabled());
    EXPECT_EQ(w.rows().size(), 5u);
}

TEST_F(MaterialWindowTest, WhileSearchingNothingIsWrittenAndOnlyShownRowsAreCopied) {
    MaterialWindow& w = window(kStock);
    w.search_changed("PIA");
    dialogs.values = {"nowy"};
    w.add();
    w.remove();
    EXPECT_FALSE(w.begin_rename());
    EXPECT_TRUE(dialogs.journal.empty());
    EXPECT_TRUE(dialogs.value_requests.empty());
    EXPECT_EQ(file(), kStock);

    w.copy();
    EXPECT_EQ(clipboard.text, "Materiał\r\nPIASEK\r\npiasek 0-2\r\n");
}

TEST_F(MaterialWindowTest, OpeningAgainClearsTheSearch) {
    MaterialWindow& w = window(kStock);
    w.search_changed("PYŁ");
    w.select(std::nullopt);
    w.open();
    EXPECT_EQ(w.search_text(), "");
    EXPECT_FALSE(w.search_on());
    EXPECT_EQ(w.rows().size(), 5u);
    EXPECT_EQ(w.selected(), 0u);
}

TEST_F(MaterialWindowTest, ChoosingNeedsASelectedRow) {
    MaterialWindow& w = window(kStock);
    w.select(std::nullopt);
    EXPECT_FALSE(w.ok());
    EXPECT_EQ(dialogs.last(), "błąd: Żadna substancja nie została wskazana!");
    EXPECT_FALSE(w.double_click());
    EXPECT_EQ(dialogs.last(), "błąd: Nie wybrano żadnej substancji!");
    EXPECT_FALSE(w.chosen());

    w.select(1);
    EXPECT_TRUE(w.double_click());
    EXPECT_EQ(w.chosen(), "PIASEK");
}

TEST_F(MaterialWindowTest, AddedNamesGoToTheirPlaceEvenWhenTheyRepeat) {
    MaterialWindow& w = window({});
    std::filesystem::remove(material_file_path(dir.path()));
    w.load();
    EXPECT_TRUE(w.rows().empty());
    dialogs.values = {"żwir 2-8", "cement", "cement", "  ", "tab\there"};
    for (int i = 0; i < 6; ++i) {
        w.add();
    }
    EXPECT_EQ(dialogs.value_requests[0].caption, "Nowa substancja");
    EXPECT_EQ(dialogs.value_requests[0].prompt, "Podaj nazwę substancji:");
    EXPECT_EQ(file(), (Names{"cement", "cement", "tab here", "żwir 2-8"})) << "a blank name is no material";
    EXPECT_EQ(w.rows(), file());
    EXPECT_EQ(w.selected(), 2u);
}

TEST_F(MaterialWindowTest, DeletingAsksFirstAndSelectsTheNextRow) {
    MaterialWindow& w = window({"a", "b", "c"});
    w.select(1);
    dialogs.answers = {false};
    w.remove();
    EXPECT_EQ(dialogs.last(), "pytanie: Czy napewno usunąć substancję: \"b\"?");
    EXPECT_EQ(file().size(), 3u);
    w.remove();
    EXPECT_EQ(file(), (Names{"a", "c"}));
    EXPECT_EQ(w.selected(), 1u);
    w.remove();
    EXPECT_EQ(w.selected(), 0u);
    w.remove();
    EXPECT_FALSE(w.selected());
    w.remove();
    EXPECT_EQ(dialogs.last(), "błąd: Żadna substancja nie została wskazana!");
}

TEST_F(MaterialWindowTest, RenamingAsksAndThenSortsTheNewName) {
    MaterialWindow& w = window({"cement", "piasek"});
    ASSERT_TRUE(w.begin_rename());
    EXPECT_FALSE(w.ok_is_default());
    w.finish_rename("wapno");
    EXPECT_TRUE(w.ok_is_default());
    EXPECT_EQ(dialogs.last(), "pytanie: Czy napewno zmienić substancję: \"cement\"?");
    EXPECT_EQ(w.rows(), (Names{"piasek", "wapno"}));
    EXPECT_EQ(w.selected(), 1u);
    EXPECT_EQ(file(), w.rows());

    dialogs.answers = {false};
    w.begin_rename();
    w.finish_rename("żużel");
    EXPECT_EQ(file(), (Names{"piasek", "wapno"}));
    EXPECT_EQ(w.rows(), file());
}

TEST_F(MaterialWindowTest, EscBlankOrUnchangedRenamingAsksNothing) {
    MaterialWindow& w = window({"cement"});
    w.begin_rename();
    w.cancel_rename();
    EXPECT_FALSE(w.renaming());
    w.finish_rename("inny");  // no editing under way any more
    w.begin_rename();
    w.finish_rename("   ");
    w.begin_rename();
    w.finish_rename("cement");
    EXPECT_TRUE(dialogs.journal.empty());
    EXPECT_EQ(file(), (Names{"cement"}));

    w.select(std::nullopt);
    EXPECT_FALSE(w.begin_rename());
    EXPECT_EQ(dialogs.last(), "błąd: Żadna substancja nie zostałs wskazana!");
}

TEST_F(MaterialWindowTest, AFailedWriteKeepsTheFileAndTheListAsTheyWere) {
    MaterialWindow& w = window({"a", "b", "c"});
    const std::string cause = "\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.";
    text_file::inject_faults({.fail_create = true});
    dialogs.values = {"d"};
    w.add();
    EXPECT_EQ(dialogs.last(), "błąd: Błąd (1) przy zapisie do pliku: dane/materialy.txt." + cause);

    text_file::inject_faults({.fail_write_line = 1});
    w.remove();
    EXPECT_EQ(dialogs.last(), "błąd: Błąd (2) przy zapisie do pliku: dane/materialy.txt linia 2." + cause);

    text_file::inject_faults({.fail_rename = true});
    w.begin_rename();
    w.finish_rename("z");
    EXPECT_EQ(dialogs.last(), "błąd: Błąd (1) przy zapisie do pliku: dane/materialy.txt." + cause);

    EXPECT_EQ(file(), (Names{"a", "b", "c"}));
    EXPECT_EQ(w.rows(), file());
}

TEST_F(MaterialWindowTest, AKindIsSetKeptThroughARenameAndDroppedWithTheMaterial) {
    MaterialWindow& w = window({"cement", "piasek", "woda"});
    const auto kinds = [&] { return testing::read_file(material_kinds_path(dir.path())); };
    w.select(1);
    w.set_kind(MaterialKind::aggregate);
    w.select(2);
    w.set_kind(MaterialKind::water);
    EXPECT_EQ(kinds(), (Names{"piasek\tkruszywo", "woda\twoda"}));
    EXPECT_EQ(file(), (Names{"cement", "piasek", "woda"}));

    w.select(1);
    ASSERT_TRUE(w.begin_rename());
    w.finish_rename("Piasek 0-2");
    EXPECT_EQ(w.rows(), (Names{"cement", "Piasek 0-2", "woda"}));
    EXPECT_EQ(w.kind_of(1), MaterialKind::aggregate);
    EXPECT_EQ(kinds(), (Names{"woda\twoda", "Piasek 0-2\tkruszywo"}));

    w.select(2);
    w.remove();
    w.select(1);
    w.set_kind(MaterialKind::none);
    EXPECT_EQ(kinds(), Names{});
    EXPECT_EQ(dialogs.journal.size(), 2u) << "the two questions only";

    // Searching writes no list, so a kind may be set meanwhile; an operator kept from the recipes may not.
    w.search_changed("cem");
    w.set_kind(MaterialKind::cement);
    EXPECT_EQ(kinds(), (Names{"cement\tcement"}));
    MaterialWindow restricted(dialogs, clipboard, dir.path(), false);
    restricted.load();
    EXPECT_FALSE(restricted.kind_enabled());
    restricted.set_kind(MaterialKind::none);
    EXPECT_EQ(restricted.kind_of(0), MaterialKind::cement);
}

TEST_F(MaterialWindowTest, AKindThatCannotBeWrittenLeavesTheKindsAsTheyWere) {
    MaterialWindow& w = window({"piasek"});
    w.set_kind(MaterialKind::aggregate);
    text_file::inject_faults({.fail_rename = true});
    w.set_kind(MaterialKind::cement);
    EXPECT_EQ(dialogs.last(),
              "błąd: Błąd przy zapisie do pliku: dane/materialy_rodzaje.txt.\r"
              "Brak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
    EXPECT_EQ(w.kind_of(0), MaterialKind::aggregate);
    EXPECT_EQ(testing::read_file(material_kinds_path(dir.path())), Names{"piasek\tkruszywo"});
    EXPECT_EQ(file(), Names{"piasek"});
}

TEST(MaterialCopyText, EmptyListAndTheCharacterLimit) {
    EXPECT_EQ(material_copy_text({}), "Materiał\r\n");
    // 10 characters of heading, then lines of 7 with two-byte letters: the cut falls inside a line.
    Names names(200000, "żżżżż");
    std::string text = material_copy_text(names);
    EXPECT_EQ(text_length(text), 1000000);
    EXPECT_EQ(text.substr(text.size() - 4), "żż");
}

}  // namespace
}  // namespace wazenie
