#include "storage/hash_chain.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace wazenie {
namespace {

std::vector<std::string> chain_of(const std::vector<std::string>& texts) {
    std::vector<std::string> lines;
    std::string previous(kChainStart);
    for (const auto& text : texts) {
        lines.push_back(chained_line(previous, text));
        previous = chain_hash(previous, text);
    }
    return lines;
}

TEST(HashChain, HashesAsSha256) {
    EXPECT_EQ(sha256_hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(chain_hash("ab", "c"), sha256_hex("abc"));
}

TEST(HashChain, NamesTheLinkThatNoLongerFollows) {
    const auto whole = chain_of({"a\t1", "b\t2", "c\t3", "d\t4"});
    EXPECT_TRUE(broken_links(whole).empty());

    auto edited = whole;
    edited[1].replace(2, 1, "9");
    EXPECT_EQ(broken_links(edited), (std::vector<std::size_t>{1}));

    auto removed = whole;
    removed.erase(removed.begin() + 1);
    EXPECT_EQ(broken_links(removed), (std::vector<std::size_t>{1}));

    auto swapped = whole;
    std::swap(swapped[1], swapped[2]);
    EXPECT_EQ(broken_links(swapped), (std::vector<std::size_t>{1, 2, 3}));

    auto unreadable = whole;
    unreadable[2] = "c\t3";
    EXPECT_EQ(broken_links(unreadable), (std::vector<std::size_t>{2}));
}

}  // namespace
}  // namespace wazenie
