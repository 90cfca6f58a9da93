#include "recipes/recipe_file.h"

#include "recipe_test_support.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::empty_recipe;
using testing::line_of;
using testing::read_file;
using testing::row;

class RecipeFileTest : public ::testing::Test {
protected:
    void write(const std::vector<std::string>& lines) {
        ASSERT_TRUE(text_file::write_lines(recipe_file_path(dir.path()), lines));
    }
    std::vector<std::string> lines() { return read_file(recipe_file_path(dir.path())); }

    testing::ScratchDir dir;
    testing::FaultGuard faults;
};

std::vector<std::string> concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST_F(RecipeFileTest, MissingFileReadsAsNoRecipes) {
    EXPECT_TRUE(read_recipe_names(dir.path()).empty());
    EXPECT_TRUE(read_recipe_totals(dir.path()).empty());
    EXPECT_FALSE(recipe_total(dir.path(), "B20").has_value());
    EXPECT_TRUE(load_recipe_lists(dir.path(), "B20")[1].empty());
}

TEST_F(RecipeFileTest, NamesComeFromScaleOneLinesInFileOrder) {
    write(concat({empty_recipe("Zeta"), {"śmieć\twaga9\tx\t1"}, empty_recipe("alfa")}));
    EXPECT_EQ(read_recipe_names(dir.path()), (std::vector<std::string>{"Zeta", "alfa"}));
}

TEST_F(RecipeFileTest, TotalsSumAllFourScalesWithCommaAndEmptyMasses) {
    write(concat(
        {{line_of("B20", 1, {{"cement", "300"}}), line_of("B20", 2, {{"piasek", "12,5"}, {"żwir", "700.5"}}),
          line_of("B20", 3, {{"woda", ""}}), line_of("B20", 4)},
         empty_recipe("Pusta")}));
    EXPECT_EQ(read_recipe_totals(dir.path()), (std::vector<RecipeTotal>{{"B20", 1013}, {"Pusta", 0}}));
    EXPECT_EQ(recipe_total(dir.path(), "B20"), 1013);
    EXPECT_EQ(recipe_total(dir.path(), "b20"), 0) << "names compare exactly";
}

TEST_F(RecipeFileTest, MassThatIsNoNumberCountsAsZeroInTotals) {
    write({line_of("B20", 1, {{"cement", "abc"}, {"piasek", "100"}}), line_of("B20", 2), line_of("B20", 3),
           line_of("B20", 4)});
    EXPECT_EQ(recipe_total(dir.path(), "B20"), 100);
}

TEST_F(RecipeFileTest, TotalsNeverBorrowTheLinesOfTheNextRecipe) {
    // "A" lost its last two lines; its total must not take B's masses, and B must still be listed.
    write({line_of("A", 1, {{"cement", "100"}}), line_of("A", 2, {{"piasek", "50"}}),
           line_of("B", 1, {{"cement", "7"}}), line_of("B", 2, {{"piasek", "3"}}), line_of("B", 3),
           line_of("B", 4)});
    EXPECT_EQ(read_recipe_totals(dir.path()), (std::vector<RecipeTotal>{{"A", 150}, {"B", 10}}));
}

TEST_F(RecipeFileTest, RecipeTotalIsThatOfTheLastRecipeOfTheName) {
    write(concat({{line_of("B20", 1, {{"cement", "1"}})},
                  {line_of("B20", 2), line_of("B20", 3), line_of("B20", 4)},
                  {line_of("B20", 1, {{"cement", "2"}})}}));
    EXPECT_EQ(recipe_total(dir.path(), "B20"), 2);
    EXPECT_EQ(recipe_total(dir.path(), "B30"), 0);
}

TEST_F(RecipeFileTest, LoadRecipeClearsEveryScaleAndTakesOnlyItsOwnLines) {
    ProcessState p;
    p.w[3].max_material = 2;
    p.w[3].m[1].material_name = "stara woda";
    p.w[3].m[1].recipe_total_weight = 99;
    p.w[1].precision = 2;
    p.w[1].curr_status = run_mode::RUNNING;
    write({line_of("Inna", 1, {{"obcy", "5"}}),
           line_of("B20", 2, {{"piasek 0-2", "700"}, {"żwir 2-8", "1000,5"}}),
           line_of("B20", 1, {{"cement", "300"}})});

    ASSERT_EQ(load_recipe(p, dir.path(), "B20"), RecipeLoad::loaded);

    EXPECT_EQ(p.w[1].max_material, 1);
    EXPECT_EQ(p.w[1].m[1].material_name, "cement");
    EXPECT_EQ(p.w[1].m[1].recipe_total_weight, 300);
    EXPECT_EQ(p.w[2].max_material, 2);
    EXPECT_EQ(p.w[2].m[2].material_name, "żwir 2-8");
    EXPECT_EQ(p.w[2].m[2].recipe_total_weight, 1000.5);
    EXPECT_EQ(p.w[3].max_material, 0) << "a scale without a line of the recipe keeps nothing";
    EXPECT_EQ(p.w[3].m[1].material_name, "");
    EXPECT_EQ(p.w[3].m[1].recipe_total_weight, 0);
    EXPECT_EQ(p.w[1].precision, 2);
    EXPECT_EQ(p.w[1].curr_status, run_mode::RUNNING);
}

TEST_F(RecipeFileTest, LoadRecipeLetsALaterLineReplaceAndSkipsEmptySlots) {
    ProcessState p;
    write({line_of("B20", 1, {{"cement", "1"}, {"x", "2"}, {"y", "3"}}),
           line_of("B20", 1, {{"cement", "300"}, {"", "5"}, {"dodatek", "4"}})});
    ASSERT_EQ(load_recipe(p, dir.path(), "B20"), RecipeLoad::loaded);
    EXPECT_EQ(p.w[1].max_material, 3);
    EXPECT_EQ(p.w[1].m[1].recipe_total_weight, 300);
    EXPECT_EQ(p.w[1].m[2].material_name, "");
    EXPECT_EQ(p.w[1].m[2].recipe_total_weight, 0);
    EXPECT_EQ(p.w[1].m[3].material_name, "dodatek");
}

TEST_F(RecipeFileTest, LoadRecipeRefusesAMassItCannotWeighAndChangesNothing) {
    for (std::string mass : {"dużo", "", "-5"}) {
        ProcessState p;
        p.w[1].max_material = 1;
        p.w[1].m[1].material_name = "poprzedni";
        const ProcessState before = p;
        write({line_of("B20", 1, {{"cement", "300"}}), line_of("B20", 2, {{"piasek", mass}})});
        EXPECT_EQ(load_recipe(p, dir.path(), "B20"), RecipeLoad::bad_mass) << mass;
        EXPECT_EQ(p, before) << mass;
    }
    EXPECT_EQ(bad_mass_message("B20"), "Błędna masa w recepturze: B20");
}

TEST_F(RecipeFileTest, LoadRecipeWithoutFileChangesNothingAndUnknownRecipeClears) {
    ProcessState p;
    p.w[2].max_material = 1;
    p.w[2].m[1].material_name = "piasek";
    const ProcessState before = p;
    EXPECT_EQ(load_recipe(p, dir.path(), "B20"), RecipeLoad::missing_file);
    EXPECT_EQ(p, before);

    write(empty_recipe("Inna"));
    EXPECT_EQ(load_recipe(p, dir.path(), "B20"), RecipeLoad::not_found);
    EXPECT_EQ(p.w[2].max_material, 0);
    EXPECT_EQ(p.w[2].m[1].material_name, "");
}

TEST_F(RecipeFileTest, ListsNumberTheRowsAndComputePercentagesAcrossScales) {
    write({line_of("B20", 3, {{"woda", "1000"}}), line_of("B20", 1, {{"cement", "300"}}),
           line_of("B20", 2, {{"", "9"}, {"piasek", "700"}})});
    RecipeLists lists = load_recipe_lists(dir.path(), "B20");
    EXPECT_EQ(lists[1], (MaterialList{row("1.", "cement", "300", "15.0")}));
    EXPECT_EQ(lists[2], (MaterialList{row("1.", "piasek", "700", "35.0")}));
    EXPECT_EQ(lists[3], (MaterialList{row("1.", "woda", "1000", "50.0")}));
    EXPECT_TRUE(lists[4].empty());
}

TEST(RecipePercentages, AllZeroMassesGiveZeroNotADivisionByZero) {
    RecipeLists lists;
    lists[1] = {row("1.", "cement", "0"), row("2.", "woda", "0.00")};
    compute_percentages(lists);
    EXPECT_EQ(lists[1][0].percent, "0.0");
    EXPECT_EQ(lists[1][1].percent, "0.0");
    EXPECT_EQ(lists_total(lists), 0);
}

TEST_F(RecipeFileTest, AddAndCopyAppendFourLinesAndKeepEverythingElse) {
    write(empty_recipe("A"));
    RecipeLists lists;
    lists[2] = {row("1.", "piasek", "12.50")};
    ASSERT_TRUE(store_recipe(dir.path(), "", "Nowa", RecipeLists()));
    ASSERT_TRUE(store_recipe(dir.path(), "A", "Kopia", lists));
    EXPECT_EQ(lines(), concat({empty_recipe("A"),
                               empty_recipe("Nowa"),
                               {line_of("Kopia", 1), line_of("Kopia", 2, {{"piasek", "12.50"}}),
                                line_of("Kopia", 3), line_of("Kopia", 4)}}));
}

TEST_F(RecipeFileTest, SavingMovesTheRecipeToTheEndAndOthersKeepTheirOrder) {
    write(concat({empty_recipe("A"), empty_recipe("B"), empty_recipe("C")}));
    RecipeLists lists;
    lists[1] = {row("1.", "cement", "300")};
    ASSERT_TRUE(store_recipe(dir.path(), "A", "A", lists));
    EXPECT_EQ(read_recipe_names(dir.path()), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_EQ(recipe_total(dir.path(), "A"), 300);
    EXPECT_EQ(lines().size(), 12u);
}

TEST_F(RecipeFileTest, DeletingTheLastRecipeLeavesAnEmptyFileInPlace) {
    write(concat({empty_recipe("A"), empty_recipe("a")}));
    ASSERT_TRUE(store_recipe(dir.path(), "A", "", RecipeLists()));
    EXPECT_EQ(read_recipe_names(dir.path()), (std::vector<std::string>{"a"})) << "letter case counts";
    ASSERT_TRUE(store_recipe(dir.path(), "a", "", RecipeLists()));
    EXPECT_TRUE(std::filesystem::exists(recipe_file_path(dir.path())));
    EXPECT_TRUE(lines().empty());
}

TEST_F(RecipeFileTest, StoreNeverCreatesTheRecipeFile) {
    Status stored = store_recipe(dir.path(), "", "Nowa", RecipeLists());
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.error().what,
              "Brak pliku z recepturami: dane/receptury.txt.\rReceptura nie została zapisana.");
    EXPECT_FALSE(std::filesystem::exists(recipe_file_path(dir.path())));
}

TEST_F(RecipeFileTest, FailedStoreLeavesTheRecipeFileAsItWas) {
    const auto original = concat({empty_recipe("A"), empty_recipe("B")});
    write(original);
    const std::string temp_error =
        "Błąd przy zapisie do pliku tymczasowego: dane/pomiary_tmp.txt.\r"
        "Brak miejsca na dysku lub dysk zabezpieczony przed zapisem.";
    struct Case {
        text_file::Faults faults;
        std::string message;
    };
    const Case cases[] = {
        {{.fail_create = true}, temp_error},
        {{.fail_write_line = 3}, temp_error},
        {{.fail_rename = true},
         "Błąd przy zapisie do pliku: dane/receptury.txt.\rBrak miejsca na dysku lub dysk zabezpieczony "
         "przed zapisem."},
    };
    for (const Case& c : cases) {
        text_file::inject_faults(c.faults);
        Status stored = store_recipe(dir.path(), "A", "", RecipeLists());
        text_file::reset_faults();
        ASSERT_FALSE(stored);
        EXPECT_EQ(stored.error().what, c.message);
        EXPECT_EQ(lines(), original);
    }
}

TEST_F(RecipeFileTest, TabsInNamesNeverShiftTheFields) {
    write({});
    RecipeLists lists;
    lists[1] = {row("1.", "cem\tent", "300")};
    ASSERT_TRUE(store_recipe(dir.path(), "", "B\t20", lists));
    EXPECT_EQ(lines()[0], line_of("B 20", 1, {{"cem ent", "300"}}));
}

}  // namespace
}  // namespace wazenie
