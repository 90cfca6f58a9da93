#include "storage/operators.h"

#include "fakes/scratch_dir.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using testing::ScratchDir;
using testing::write_bytes;

TEST(OperatorFile, BlocksAreScrambledPaddedAndReadBack) {
    const std::vector<Operator> ops = {{"Jan Łącki", " hasło "}, {std::string(32, 'x'), "1"}};
    const std::string bytes = encode_operators(ops);
    ASSERT_EQ(bytes.size(), 4u * 32u);
    EXPECT_EQ(bytes.find("Jan"), std::string::npos);
    EXPECT_EQ(bytes.substr(9, 23), std::string(23, '\0'));  // "Jan Łącki" is 9 bytes in the file
    const DecodedOperators back = decode_operators(bytes);
    EXPECT_FALSE(back.damaged);
    EXPECT_EQ(back.operators, ops);
}

TEST(OperatorFile, NoTypedCharacterIsLostAtTheEndOfABlock) {
    // Every printable byte at every position: none may scramble to the zero that ends a block.
    for (int c = 0x20; c <= 0x7E; ++c) {
        for (int len = 1; len <= 32; ++len) {
            const Operator op{std::string(static_cast<std::size_t>(len), static_cast<char>(c)), "p"};
            ASSERT_EQ(decode_operators(encode_operators({op})).operators.at(0), op) << c << " " << len;
        }
    }
    const Operator polish{"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ", "żółw"};
    EXPECT_EQ(decode_operators(encode_operators({polish})).operators.at(0), polish);
}

TEST(OperatorFile, FirstStartCreatesTheAdministratorWithOwnerOnlyRights) {
    ScratchDir dir;
    const auto file = operators_file_path(dir.path());
    const LoadedOperators loaded = load_operators(file);
    EXPECT_FALSE(loaded.error);
    ASSERT_EQ(loaded.operators.size(), 1u);
    EXPECT_EQ(loaded.operators[0], (Operator{"ADMINISTRATOR", "817"}));
    EXPECT_EQ(std::filesystem::file_size(file), 64u);
    const auto perms = std::filesystem::status(file).permissions();
    EXPECT_EQ(perms & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_FALSE(std::filesystem::exists(dir / "pomiary_tmp.txt"));
}

TEST(OperatorFile, DamagedAndEmptyFiles) {
    ScratchDir dir;
    const auto file = operators_file_path(dir.path());
    write_bytes(file, "");
    LoadedOperators empty = load_operators(file);
    EXPECT_TRUE(empty.operators.empty());
    EXPECT_FALSE(empty.error);

    write_bytes(file, encode_operators({{"B", "2"}, {"A", "1"}}) + "xyz");
    LoadedOperators damaged = load_operators(file);
    EXPECT_EQ(damaged.error, "Uszkodzony plik operatorów: " + file.string());
    ASSERT_EQ(damaged.operators.size(), 2u);
    EXPECT_EQ(damaged.operators[0].name, "A");  // sorted on loading
}

TEST(OperatorFile, CreateAndRewriteFailuresKeepWhatThereWas) {
    ScratchDir dir;
    const auto nowhere = dir / "brak" / "operatorzy.txt";
    const LoadedOperators none = load_operators(nowhere);
    EXPECT_TRUE(none.operators.empty());
    EXPECT_EQ(none.error, "Błąd (10) przy zapisie do pliku: " + nowhere.string() +
                              ".\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");

    // A rename over a non-empty folder fails: the "file" keeps its content.
    const auto blocked = dir / "zajety";
    std::filesystem::create_directories(blocked / "w_srodku");
    auto saved = save_operators(blocked, {{"A", "1"}});
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().what, "Błąd (1) przy zapisie do pliku: " + blocked.string() +
                                      ".\rBrak miejsca na dysku lub dysk zabezpieczony przed zapisem.");
    EXPECT_TRUE(std::filesystem::is_directory(blocked / "w_srodku"));
    EXPECT_FALSE(std::filesystem::exists(dir / "pomiary_tmp.txt"));
}

TEST(OperatorFile, LookupUsesTheExactName) {
    const std::vector<Operator> ops = {{"administrator", "x"}, {"Jan", " a "}};
    EXPECT_FALSE(find_operator(ops, "ADMINISTRATOR"));
    ASSERT_TRUE(find_operator(ops, "Jan"));
    EXPECT_TRUE(password_correct(*find_operator(ops, "Jan"), " a "));
    EXPECT_FALSE(password_correct(*find_operator(ops, "Jan"), "a"));
}

}  // namespace
}  // namespace wazenie
