#include "storage/text_helpers.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace wazenie {
namespace {

TEST(TabField, CountsFromZeroAndGivesEmptyBeyondTheLine) {
    const std::string line = "B20\tBUDREX\t\t12.5\t";
    EXPECT_EQ(tab_field(line, 0), "B20");
    EXPECT_EQ(tab_field(line, 1), "BUDREX");
    EXPECT_EQ(tab_field(line, 2), "");
    EXPECT_EQ(tab_field(line, 3), "12.5");
    EXPECT_EQ(tab_field(line, 4), "");  // after the last tab
    EXPECT_EQ(tab_field(line, 5), "");
    EXPECT_EQ(tab_field(line, -1), "");
    EXPECT_EQ(tab_field("no tabs", 0), "no tabs");
}

TEST(TextHelpers, SeparatorsSpacesAndZero) {
    EXPECT_EQ(to_point("1,5"), "1.5");
    EXPECT_EQ(to_comma("1.5"), "1,5");
    EXPECT_EQ(remove_spaces(" 12 3\t4 "), "123\t4");
    EXPECT_EQ(empty_to_zero(""), "0");
    EXPECT_EQ(empty_to_zero(" "), " ");
    EXPECT_EQ(flag_to_int(true), 1);
    EXPECT_TRUE(int_to_flag(1));
    EXPECT_FALSE(int_to_flag(2));
    EXPECT_FALSE(int_to_flag(-1));
}

TEST(TextHelpers, PaddingCountsCharactersNotBytes) {
    EXPECT_EQ(pad_left("żółć", 6), "  żółć");
    EXPECT_EQ(pad_right("żółć", 6), "żółć  ");
    EXPECT_EQ(pad_left("123456789012", 9), "123456789012");
    EXPECT_EQ(pad_right("abc", -3), "abc");
    EXPECT_EQ(text_length("Łódź"), 4);
    EXPECT_EQ(strip_points_pad_zero("46.7", 6), "000467");
    EXPECT_EQ(strip_points_pad_zero("1234567.8", 6), "12345678");
    EXPECT_EQ(strip_points_pad_zero("-0.3", 5), "00-03");
}

TEST(UpperPl, CapitalisesPolishLettersAndLeavesTheRest) {
    EXPECT_EQ(upper_pl("żółć"), "ŻÓŁĆ");
    EXPECT_EQ(upper_pl("ąćęłńóśźż abc xyz"), "ĄĆĘŁŃÓŚŹŻ ABC XYZ");
    EXPECT_EQ(upper_pl("Beton B-20 (é) 12"), "BETON B-20 (é) 12");
    EXPECT_EQ(upper_pl("a\xFF"
                       "b"),
              "A\xFF"
              "B");  // a stray byte passes through untouched
}

TEST(CleanField, NothingCanShiftTheFieldsOfARecord) {
    EXPECT_EQ(clean_field("ul. Długa\t5\r\nWarszawa"), "ul. Długa 5  Warszawa");
    EXPECT_EQ(clean_field("plain"), "plain");
}

TEST(PolishLess, FollowsThePolishAlphabetIgnoringCaseFirst) {
    std::vector<std::string> names = {"żwir", "Zaprawa", "łata",  "lina",   "ćma",   "cement",
                                      "ąb",   "Azot",    "beton", "Źródło", "śruba", "sól",
                                      "órka", "owies",   "ńa",    "nos",    "ęa",    "ewa"};
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return polish_less(a, b); });
    const std::vector<std::string> expected = {"Azot", "ąb",   "beton", "cement",  "ćma",    "ewa",
                                               "ęa",   "lina", "łata",  "nos",     "ńa",     "owies",
                                               "órka", "sól",  "śruba", "Zaprawa", "Źródło", "żwir"};
    EXPECT_EQ(names, expected);
}

TEST(PolishLess, CaseDecidesOnlyBetweenOtherwiseEqualTexts) {
    EXPECT_TRUE(polish_less("abc", "ABD"));
    EXPECT_TRUE(polish_less("ABC", "abc"));
    EXPECT_FALSE(polish_less("abc", "ABC"));
    EXPECT_FALSE(polish_less("abc", "abc"));
    EXPECT_TRUE(polish_less("ab", "abc"));
    EXPECT_TRUE(polish_less("B 20", "B20"));
}

}  // namespace
}  // namespace wazenie
