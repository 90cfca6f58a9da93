#include "windows/recipe_editor_window.h"

#include <algorithm>

#include "fakes/fake_change_journal.h"
#include "fakes/fake_dialogs.h"
#include "recipes/recipe_test_support.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::empty_recipe;
using testing::line_of;
using testing::read_file;
using testing::row;

std::vector<std::string> three_recipes() {
    std::vector<std::string> lines;
    for (const char* name : {"A", "B", "C"}) {
        auto recipe = empty_recipe(name);
        lines.insert(lines.end(), recipe.begin(), recipe.end());
    }
    return lines;
}

class RecipeEditorTest : public ::testing::Test {
protected:
    RecipeEditorTest() {
        w[1].precision = 0;
        w[2].precision = 2;
        w[1].max_weight = 500;
    }

    void write(const std::vector<std::string>& lines) {
        ASSERT_TRUE(text_file::write_lines(recipe_file_path(dir.path()), lines));
    }
    std::vector<std::string> file() { return read_file(recipe_file_path(dir.path())); }

    RecipeEditor& editor(const std::string& operator_name = "ADMINISTRATOR") {
        editor_.emplace(dialogs, chooser, dir.path(), settings, w, operator_name, changes);
        editor_->open();
        return *editor_;
    }

    // Chooses `material` in the material window and types `mass`.
    void add(RecipeEditor& e, int scale, const std::string& material, const std::string& mass) {
        chooser.choices.push_back(material);
        dialogs.values.push_back(mass);
        e.add_material(scale);
    }

    std::vector<std::string> names(const RecipeEditor& e) {
        std::vector<std::string> result;
        for (const RecipeRow& r : e.recipes()) {
            result.push_back(r.name);
        }
        return result;
    }

    testing::ScratchDir dir;
    testing::FakeDialogs dialogs;
    testing::FakeChangeJournal changes;
    testing::ScriptedChooser chooser;
    testing::FaultGuard faults;
    Settings settings;
    Scales w;
    std::optional<RecipeEditor> editor_;
};

TEST_F(RecipeEditorTest, OpeningListsRecipesInPolishOrderAndSelectsTheShownOne) {
    settings.total_precision = 1;
    write({line_of("żwirowa", 1, {{"żwir", "10"}}), line_of("Zeta", 1),
           line_of("Łatwa", 1, {{"cement", "2.5"}}), line_of("lekka", 1)});
    RecipeEditor& e = editor();
    EXPECT_EQ(names(e), (std::vector<std::string>{"lekka", "Łatwa", "Zeta", "żwirowa"}));
    EXPECT_EQ(e.selected_recipe(), 0u);
    EXPECT_EQ(e.recipes()[1].total, "2.5");

    e.open("ŁATWA");
    EXPECT_EQ(e.selected_recipe(), 1u) << "found ignoring letter case";
    EXPECT_EQ(e.lists()[1], (MaterialList{row("1.", "cement", "2.5", "100.0")}));
    EXPECT_EQ(e.selected_row(), (RecipeRow{"Łatwa", "2.5"}));
    EXPECT_EQ(e.max_weight_label(1), "maks. 500 kg");
}

TEST_F(RecipeEditorTest, ModesEnableEitherTheRecipeOrTheMaterialControls) {
    write(empty_recipe("B20"));
    RecipeEditor& e = editor();
    EXPECT_TRUE(e.recipe_controls_enabled());
    EXPECT_FALSE(e.material_controls_enabled());
    EXPECT_FALSE(e.modify_pressed());

    e.modify();
    EXPECT_EQ(e.mode(), RecipeEditor::Mode::modify);
    EXPECT_FALSE(e.recipe_controls_enabled());
    EXPECT_TRUE(e.material_controls_enabled());
    EXPECT_TRUE(e.modify_pressed());

    e.add_recipe();
    e.select_recipe(std::nullopt);
    EXPECT_TRUE(dialogs.value_requests.empty()) << "recipe buttons do nothing in modify mode";
    EXPECT_EQ(e.selected_recipe(), 0u);
}

TEST_F(RecipeEditorTest, OnlyTheAdministratorModifiesWhenTheSettingSaysSo) {
    write(empty_recipe("B20"));
    settings.admin_change_recipe = true;
    RecipeEditor& e = editor("KOWALSKI");
    EXPECT_FALSE(e.modify_enabled());
    e.modify();
    EXPECT_EQ(e.mode(), RecipeEditor::Mode::browse);

    dialogs.values = {"Nowa", "Kopia"};
    e.add_recipe();
    e.copy_recipe();
    EXPECT_EQ(names(e), (std::vector<std::string>{"B20", "Kopia", "Nowa"})) << "adding and copying stay open";
    e.delete_recipe();
    EXPECT_EQ(names(e), (std::vector<std::string>{"B20", "Nowa"})) << "and so does deleting";

    EXPECT_TRUE(editor("ADMINISTRATOR").modify_enabled());
    EXPECT_FALSE(editor("Administrator").modify_enabled());
    settings.admin_change_recipe = false;
    EXPECT_TRUE(editor("KOWALSKI").modify_enabled());
}

TEST_F(RecipeEditorTest, ANewRecipeIsStoredAtOnceAtItsSortedPlace) {
    write(three_recipes());
    RecipeEditor& e = editor();
    dialogs.values = {"B25"};
    e.add_recipe();
    EXPECT_EQ(dialogs.value_requests.back().caption, "Nowa receptura");
    EXPECT_EQ(dialogs.value_requests.back().prompt, "Podaj nazwę nowej receptury:");
    EXPECT_EQ(names(e), (std::vector<std::string>{"A", "B", "B25", "C"}));
    EXPECT_EQ(e.selected_row(), (RecipeRow{"B25", "0"}));
    EXPECT_TRUE(e.lists()[1].empty());
    auto lines = file();
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()), empty_recipe("B25"));
}

TEST_F(RecipeEditorTest, ANameTakenInAnyLetterCaseOrABlankNameIsNotAdded) {
    write(empty_recipe("Żwirowa"));
    RecipeEditor& e = editor();
    dialogs.values = {"żWIROWA"};
    e.add_recipe();
    EXPECT_EQ(dialogs.last(), "błąd: Receptura o podanej nazwie już istnieje!");
    dialogs.values = {"   "};
    e.add_recipe();
    e.add_recipe();  // cancelled
    EXPECT_EQ(names(e), (std::vector<std::string>{"Żwirowa"}));
    EXPECT_EQ(file(), empty_recipe("Żwirowa"));
    EXPECT_EQ(dialogs.journal.size(), 1u);
}

TEST_F(RecipeEditorTest, DeletingAsksAndSelectsTheRowThatTookItsPlace) {
    write(three_recipes());
    RecipeEditor& e = editor();
    e.select_recipe(1);
    dialogs.answers = {false};
    e.delete_recipe();
    EXPECT_EQ(dialogs.last(), "pytanie: Czy napewno usunąć recepturę: \"B\"?");
    EXPECT_EQ(names(e).size(), 3u);

    e.delete_recipe();
    EXPECT_EQ(names(e), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(e.selected_recipe(), 1u);
    e.delete_recipe();
    EXPECT_EQ(e.selected_recipe(), 0u) << "the last row removed: the new last one";
    e.delete_recipe();
    EXPECT_FALSE(e.selected_recipe());
    EXPECT_TRUE(file().empty());

    e.delete_recipe();
    e.copy_recipe();
    e.modify();
    EXPECT_EQ(dialogs.journal.back(), "błąd: Żadna receptura nie została wskazana!");
    EXPECT_EQ(dialogs.journal.size(), 7u);
    EXPECT_EQ(e.mode(), RecipeEditor::Mode::browse);
}

TEST_F(RecipeEditorTest, ACopyCarriesTheSourceMaterialsAndTotal) {
    write({line_of("B20", 1, {{"cement", "300"}}), line_of("B20", 2), line_of("B20", 3), line_of("B20", 4)});
    RecipeEditor& e = editor();
    e.copy_recipe();  // cancelled
    EXPECT_EQ(file().size(), 4u);

    dialogs.values = {"B20 kopia"};
    e.copy_recipe();
    EXPECT_EQ(dialogs.value_requests.back().caption, "Kopiowanie receptury");
    EXPECT_EQ(e.selected_row(), (RecipeRow{"B20 kopia", "300"}));
    EXPECT_EQ(e.lists()[1][0].name, "cement");
    EXPECT_EQ(file()[4], line_of("B20 kopia", 1, {{"cement", "300"}}));
    EXPECT_EQ(file()[0], line_of("B20", 1, {{"cement", "300"}}));
}

TEST_F(RecipeEditorTest, TypedMassesAreRoundedToTheScalePrecision) {
    write(empty_recipe("B20"));
    RecipeEditor& e = editor();
    e.modify();
    add(e, 1, "cement", "12.5");
    add(e, 2, "piasek", "12,5");
    EXPECT_EQ(dialogs.value_requests[0].caption, "Masa");
    EXPECT_EQ(dialogs.value_requests[0].prompt, "Podaj masę substancji [kg]:");
    EXPECT_EQ(dialogs.value_requests[0].data_type, "float");
    EXPECT_EQ(e.lists()[1][0].mass, "13");
    EXPECT_EQ(e.lists()[2][0].mass, "12.50");
    EXPECT_EQ(e.selected_material(2), 0u);
    EXPECT_EQ(e.focus(), 2);
}

TEST_F(RecipeEditorTest, ANegativeMassIsRefused) {
    write(empty_recipe("B20"));
    RecipeEditor& e = editor();
    e.modify();
    add(e, 1, "cement", "-5");
    EXPECT_EQ(dialogs.last(), "błąd: Błędna wartość!");
    EXPECT_TRUE(e.lists()[1].empty());
    add(e, 1, "cement", "-0");
    EXPECT_EQ(e.lists()[1][0].mass, "0");
}

TEST_F(RecipeEditorTest, AnEighthMaterialIsRefusedAfterItWasChosen) {
    write(empty_recipe("B20"));
    RecipeEditor& e = editor();
    e.modify();
    for (int k = 1; k <= 7; ++k) {
        add(e, 3, "woda " + std::to_string(k), "1");
    }
    add(e, 3, "woda 8", "1");
    EXPECT_EQ(chooser.opened, 8);
    EXPECT_EQ(dialogs.value_requests.size(), 8u);
    EXPECT_EQ(dialogs.last(), "błąd: Nie można dodać więcej substancji!");
    EXPECT_EQ(e.lists()[3].size(), 7u);
    EXPECT_EQ(e.lists()[3][6].number, "7.");

    e.add_material(3);  // the material window closed without OK
    EXPECT_EQ(dialogs.value_requests.size(), 8u) << "no mass asked without a material";
}

TEST_F(RecipeEditorTest, PercentagesSpanAllFourScales) {
    write(empty_recipe("B20"));
    RecipeEditor& e = editor();
    e.modify();
    add(e, 1, "cement", "300");
    add(e, 2, "piasek", "700");
    add(e, 4, "żwir", "1000");
    EXPECT_EQ(e.lists()[1][0].percent, "15.0");
    EXPECT_EQ(e.lists()[2][0].percent, "35.0");
    EXPECT_EQ(e.lists()[4][0].percent, "50.0");
}

TEST_F(RecipeEditorTest, DeletingTheMiddleMaterialRenumbersAndSelectsItsSuccessor) {
    write({line_of("B20", 1), line_of("B20", 2, {{"a", "1"}, {"b", "1"}, {"c", "2"}})});
    RecipeEditor& e = editor();
    e.modify();
    e.delete_material(2);
    EXPECT_EQ(dialogs.last(), "błąd: Żadna substancja nie została wskazana!");
    e.select_material(2, 1);
    e.delete_material(2);
    EXPECT_EQ(e.lists()[2], (MaterialList{row("1.", "a", "1", "33.3"), row("2.", "c", "2", "66.7")}));
    EXPECT_EQ(e.selected_material(2), 1u);
    e.delete_material(2);
    EXPECT_EQ(e.selected_material(2), 0u);
}

TEST_F(RecipeEditorTest, MovingSwapsContentsButKeepsTheNumbers) {
    write({line_of("B20", 1, {{"cement", "100"}, {"popiół", "300"}})});
    RecipeEditor& e = editor();
    e.modify();
    e.select_material(1, 0);
    e.move_up(1);
    EXPECT_TRUE(dialogs.journal.empty());
    e.move_down(1);
    EXPECT_EQ(e.lists()[1],
              (MaterialList{row("1.", "popiół", "300", "75.0"), row("2.", "cement", "100", "25.0")}));
    EXPECT_EQ(e.selected_material(1), 1u);
    e.move_down(1);
    EXPECT_EQ(e.lists()[1][1].name, "cement");
    EXPECT_TRUE(dialogs.journal.empty());
}

TEST_F(RecipeEditorTest, ChangingAMassOffersThePresentOne) {
    write({line_of("B20", 1), line_of("B20", 2, {{"piasek", "700.00"}})});
    RecipeEditor& e = editor();
    e.modify();
    e.change_mass(2);
    EXPECT_EQ(dialogs.last(), "błąd: Żadna substancja nie została wskazana!");
    e.select_material(2, 0);
    dialogs.values = {"350.555"};
    e.change_mass(2);
    EXPECT_EQ(dialogs.value_requests.back().prompt, "Podaj nową masę substancji [kg]:");
    EXPECT_EQ(dialogs.value_requests.back().initial, "700.00");
    EXPECT_EQ(e.lists()[2][0].mass, "350.56");
    e.change_mass(2);  // cancelled
    EXPECT_EQ(e.lists()[2][0].mass, "350.56");
}

TEST_F(RecipeEditorTest, SavingWritesTheListsAtTheEndAndShowsTheNewTotal) {
    write(three_recipes());
    RecipeEditor& e = editor();
    e.modify();
    add(e, 1, "cement", "300");
    add(e, 2, "piasek", "199.994");
    e.save();
    EXPECT_EQ(e.mode(), RecipeEditor::Mode::browse);
    EXPECT_EQ(e.selected_row(), (RecipeRow{"A", "500"}));
    EXPECT_EQ(read_recipe_names(dir.path()), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_EQ(file()[9], line_of("A", 2, {{"piasek", "199.99"}}));
}

TEST_F(RecipeEditorTest, ChangesWithoutSaveAreDroppedAtTheNextOpening) {
    write({line_of("B20", 1, {{"cement", "300"}})});
    RecipeEditor& e = editor();
    e.modify();
    add(e, 1, "popiół", "50");
    e.open();
    EXPECT_EQ(e.mode(), RecipeEditor::Mode::browse);
    EXPECT_EQ(e.lists()[1].size(), 1u);
    EXPECT_EQ(file(), (std::vector<std::string>{line_of("B20", 1, {{"cement", "300"}})}));
}

TEST_F(RecipeEditorTest, AFailedSaveKeepsTheChangesForAnotherTry) {
    write(empty_recipe("B20"));
    RecipeEditor& e = editor();
    e.modify();
    add(e, 1, "cement", "300");
    text_file::inject_faults({.fail_rename = true});
    e.save();
    text_file::reset_faults();
    EXPECT_EQ(dialogs.last(),
              "błąd: Błąd przy zapisie do pliku: dane/receptury.txt.\r"
              "Brak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
    EXPECT_EQ(e.mode(), RecipeEditor::Mode::modify);
    EXPECT_EQ(file(), empty_recipe("B20"));
    e.save();
    EXPECT_EQ(recipe_total(dir.path(), "B20"), 300);
}

TEST_F(RecipeEditorTest, WithoutARecipeFileNothingIsAddedToTheList) {
    RecipeEditor& e = editor();
    dialogs.values = {"B20"};
    e.add_recipe();
    EXPECT_EQ(dialogs.last(),
              "błąd: Brak pliku z recepturami: dane/receptury.txt.\rReceptura nie została zapisana.");
    EXPECT_TRUE(e.recipes().empty());
    EXPECT_FALSE(std::filesystem::exists(recipe_file_path(dir.path())));
}

TEST_F(RecipeEditorTest, TheDescriptionIsSavedWithTheRecipeFollowsACopyAndGoesWithADeletion) {
    write(three_recipes());
    const std::vector<std::string> recipes = file();
    const auto descriptions = [&] { return read_file(recipe_descriptions_path(dir.path())); };
    RecipeEditor& e = editor();
    e.type_description(DescriptionField::klasa, "C25/30");  // browse mode: not editable
    EXPECT_EQ(e.description().text(DescriptionField::klasa), "");

    e.modify();
    e.save();  // an empty description writes no file
    EXPECT_FALSE(std::filesystem::exists(recipe_descriptions_path(dir.path())));
    e.modify();
    e.type_description(DescriptionField::klasa, " C25/30 ");
    e.type_description(DescriptionField::dmax, "200");
    EXPECT_FALSE(e.leave_description(DescriptionField::dmax));
    EXPECT_EQ(dialogs.last(), "błąd: Dmax kruszywa musi być liczbą od 1 do 125 [mm].");
    e.save();  // refused with the same message, nothing written
    EXPECT_EQ(e.mode(), RecipeEditor::Mode::modify);
    EXPECT_FALSE(std::filesystem::exists(recipe_descriptions_path(dir.path())));
    e.type_description(DescriptionField::dmax, "16");
    e.type_description(DescriptionField::wc_maks, "0,5");
    e.type_description(DescriptionField::gestosc, "2400");
    EXPECT_TRUE(e.leave_description(DescriptionField::wc_maks));
    e.save();
    EXPECT_EQ(descriptions(),
              std::vector<std::string>{"A\tklasa=C25/30\tdmax=16\twc_maks=0.5\tgestosc=2400"});
    const std::vector<std::string> saved = file();
    EXPECT_TRUE(std::is_permutation(saved.begin(), saved.end(), recipes.begin(), recipes.end()))
        << "receptury.txt keeps its lines";

    // Opened again, the fields show what was stored; a copy takes it, a deleted recipe loses it.
    editor();
    EXPECT_EQ(editor_->description().text(DescriptionField::wc_maks), "0.5");
    dialogs.values = {"A2"};
    editor_->copy_recipe();
    EXPECT_EQ(editor_->description().text(DescriptionField::klasa), "C25/30");
    editor_->select_recipe(0);
    dialogs.answers = {true};
    editor_->delete_recipe();
    EXPECT_EQ(descriptions(),
              std::vector<std::string>{"A2\tklasa=C25/30\tdmax=16\twc_maks=0.5\tgestosc=2400"});
    const auto told = std::find_if(changes.changes.begin(), changes.changes.end(),
                                   [](const Change& c) { return c.what == "opis receptury"; });
    ASSERT_NE(told, changes.changes.end());
    EXPECT_EQ(told->object, "A");
    EXPECT_EQ(told->before, "");
    EXPECT_EQ(told->after, "klasa=C25/30; dmax=16; wc_maks=0.5; gestosc=2400");
}

}  // namespace
}  // namespace wazenie
