#include "storage/weight_doc.h"

#include <climits>

#include "storage/date_time.h"
#include "storage/settings.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

const DateTime kMarch5 = *make_date_time({2024, 3, 5, 10, 30, 0, 0});

std::optional<std::string> number(const std::string& format, int next, Settings* after = nullptr) {
    Settings s;
    s.weightdoc_format = format;
    s.weightdoc_next = next;
    auto doc = next_weight_doc(s, kMarch5);
    if (after) {
        *after = s;
    }
    return doc;
}

TEST(NextWeightDoc, FillsThePlaceholdersAndAdvancesTheCounter) {
    Settings after;
    EXPECT_EQ(number("WZ/%n%/%y%", 7, &after), "WZ/7/2024");
    EXPECT_EQ(after.weightdoc_next, 8);
    EXPECT_EQ(number("dok %n%/%y%-%m%-%d%", 12), "dok 12/2024-03-05");
}

TEST(NextWeightDoc, OnlyTheFirstOfEachPlaceholderWhateverItsCase) {
    EXPECT_EQ(number("%n%-%n%", 3), "3-%n%");
    EXPECT_EQ(number("%N%/%Y%/%M%%D%", 3), "3/2024/0305");
}

TEST(NextWeightDoc, AFormatWithoutPlaceholdersStillAdvances) {
    Settings after;
    EXPECT_EQ(number("WZ", 41, &after), "WZ");
    EXPECT_EQ(after.weightdoc_next, 42);
}

TEST(NextWeightDoc, ACounterThatCannotAdvanceOrDidNotReadIssuesNothing) {
    Settings after;
    EXPECT_EQ(number("%n%", INT_MAX - 1, &after), "2147483646");
    EXPECT_EQ(number("%n%", INT_MAX, &after), std::nullopt);
    EXPECT_EQ(after.weightdoc_next, INT_MAX);
    EXPECT_EQ(number("%n%", 0, &after), std::nullopt);
    EXPECT_EQ(after.weightdoc_next, 0);

    // The refusal names the value as the file holds it.
    after.ini = IniDocument::parse({"[Dokument WZ]", "nast_numer=12a"});
    EXPECT_NE(weight_doc_refusal(after).find("nast_numer=12a w pliku konfig.ini"), std::string::npos);
}

}  // namespace
}  // namespace wazenie
