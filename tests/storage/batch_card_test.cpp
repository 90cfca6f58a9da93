#include "storage/batch_card.h"

#include "fakes/scratch_dir.h"
#include "storage/text_file.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

const BatchCard kCard{"WZ/7/24",
                      "2024-03-05 07:08:09",
                      "B20",
                      {{2, 1, "piasek 0-2", MaterialKind::aggregate, 820, 4.5, 856.9},
                       {3, 1, "woda", MaterialKind::water, 180, 0, 143.1}},
                      {{2, 1, 1, 428.5, 416.5}}};

TEST(BatchCardFile, ACardCutShortIsPassedOverAndTheNextReadsWhole) {
    testing::ScratchDir dir;
    const auto file = batch_card_path(dir.path(), "202403");
    EXPECT_EQ(file.filename(), "202403_karta.txt");
    EXPECT_EQ(batch_card_lines(kCard)[1], "km\t2\t1\tpiasek 0-2\tkruszywo\t820\t4.5\t856.9");
    // A crash in the middle of the first card: its last line never came, nor its line end.
    std::vector<std::string> cut = batch_card_lines(kCard);
    cut.pop_back();
    ASSERT_TRUE(text_file::write_lines(file, cut));
    testing::write_bytes(file, testing::read_bytes(file).substr(0, testing::read_bytes(file).size() - 2));
    ASSERT_TRUE(append_batch_card(file, kCard));
    ASSERT_TRUE(text_file::append_lines(file, {"ks\t1\t1\t1\t100\t96"}));

    const auto read = read_batch_cards(file);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->cards.size(), 1u);
    EXPECT_EQ(read->cards[0], kCard);
    ASSERT_EQ(read->damaged.size(), 2u);
    EXPECT_EQ(read->damaged[0].rfind("linia 1: \"k\tWZ/7/24", 0), 0u);
    EXPECT_EQ(read->damaged[1].rfind("linia 8: \"ks", 0), 0u);
}

}  // namespace
}  // namespace wazenie
