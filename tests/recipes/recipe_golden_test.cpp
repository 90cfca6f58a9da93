#include <algorithm>

#include "recipe_test_support.h"
#include "recipes/material_file.h"
#include "recipes/recipe_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::row;

const std::filesystem::path kGolden =
    std::filesystem::path(WAZENIE_TEST_DATA) / "recipes" / "receptury_golden.txt";

RecipeLists beton_lists() {
    RecipeLists lists;
    lists[1] = {row("1.", "cement CEM I 42,5R", "300")};
    lists[2] = {row("1.", "piasek 0-2", "700.5"), row("2.", "żwir 2-8", "1000.5")};
    for (int k = 1; k <= 7; ++k) {
        lists[4].push_back(row(std::to_string(k) + ".", "dodatek " + std::to_string(k), "0.125"));
    }
    return lists;
}

TEST(RecipeGoldenFile, WrittenRecipesAreByteForByteTheFileFormat) {
    testing::ScratchDir dir;
    testing::write_bytes(recipe_file_path(dir.path()), "");
    RecipeLists sciana;
    sciana[3] = {row("1.", "woda", "150.0")};

    ASSERT_TRUE(store_recipe(dir.path(), "", "Ściana ŁĄCZNA", RecipeLists()));
    ASSERT_TRUE(store_recipe(dir.path(), "", "Beton B20 żółty", beton_lists()));
    ASSERT_TRUE(store_recipe(dir.path(), "Ściana ŁĄCZNA", "Ściana ŁĄCZNA", sciana));

    EXPECT_EQ(testing::read_bytes(recipe_file_path(dir.path())), testing::read_bytes(kGolden));
    EXPECT_FALSE(std::filesystem::exists(dir / "pomiary_tmp.txt")) << "the work file is renamed, not left";
}

TEST(RecipeGoldenFile, TheGoldenFileReadsBackAsTheListsItWasWrittenFrom) {
    testing::ScratchDir dir;
    std::filesystem::copy_file(kGolden, recipe_file_path(dir.path()));
    RecipeLists expected = beton_lists();
    compute_percentages(expected);
    EXPECT_EQ(load_recipe_lists(dir.path(), "Beton B20 żółty"), expected);
    EXPECT_EQ(read_recipe_names(dir.path()), (std::vector<std::string>{"Beton B20 żółty", "Ściana ŁĄCZNA"}));
    EXPECT_EQ(recipe_total(dir.path(), "Beton B20 żółty"), 300 + 700.5 + 1000.5 + 7 * 0.125);
}

TEST(DemoRecipes, EveryDemoRecipeLoadsAndUsesOnlyKnownMaterials) {
    const auto demo = std::filesystem::path(WAZENIE_TEST_DATA) / ".." / ".." / "demo" / "dane";
    const auto materials = load_materials(demo);
    const auto names = read_recipe_names(demo);
    ASSERT_EQ(names.size(), 5u);
    for (const std::string& name : names) {
        ProcessState p;
        ASSERT_EQ(load_recipe(p, demo, name), RecipeLoad::loaded) << name;
        for (int s = 1; s <= kScales; ++s) {
            for (int k = 1; k <= p.w[s].max_material; ++k) {
                EXPECT_NE(std::find(materials.begin(), materials.end(), p.w[s].m[k].material_name),
                          materials.end())
                    << name << ": " << p.w[s].m[k].material_name;
            }
        }
    }
    EXPECT_NEAR(*recipe_total(demo, "B20 beton towarowy"), 2400, 10);
}

}  // namespace
}  // namespace wazenie
