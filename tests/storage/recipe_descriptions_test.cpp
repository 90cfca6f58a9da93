#include "storage/recipe_descriptions.h"

#include "fakes/scratch_dir.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(RecipeDescriptionsFile, KeepsEachFieldAndPassesOverALineThatDoesNotRead) {
    testing::ScratchDir dir;
    const auto file = recipe_descriptions_path(dir.path());
    EXPECT_EQ(file.filename(), "receptury_opis.txt");
    RecipeDescriptions descriptions;
    descriptions.set("B20", {"C16/20", "X0", "Cl 0,40", "S3", 16, 0.6, 2350});
    RecipeDescription b30;
    b30.klasa = "C25/30";
    b30.wc_maks = 0.55;
    descriptions.set("B30", b30);
    descriptions.set("B40", {});
    ASSERT_TRUE(save_recipe_descriptions(file, descriptions));
    const auto lines = text_file::read_lines(file);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines,
              (std::vector<std::string>{
                  "B20\tklasa=C16/20\tekspozycja=X0\tchlorki=Cl 0,40\tkonsystencja=S3\tdmax=16\twc_maks=0.6\t"
                  "gestosc=2350",
                  "B30\tklasa=C25/30\twc_maks=0.55"}));

    ASSERT_TRUE(text_file::append_lines(file, {"B50\twc_maks=0,45", "B60\tgestosc=gęsta", "B70\tklasa",
                                               "\tklasa=C8/10", "B80\tkolor=szary"}));
    const auto read = read_recipe_descriptions(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->descriptions.of(" b20 "), descriptions.of("B20"));
    EXPECT_EQ(*read->descriptions.of("B50").wc_maks, 0.45);
    EXPECT_TRUE(read->descriptions.of("B40").empty());
    EXPECT_EQ(read->damaged.size(), 4u);
    EXPECT_EQ(read->damaged[0], "linia 4: \"B60\tgestosc=gęsta\"");
}

}  // namespace
}  // namespace wazenie
