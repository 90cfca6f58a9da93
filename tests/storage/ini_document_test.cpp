#include "storage/ini_document.h"

#include <gtest/gtest.h>

namespace wazenie {
namespace {

using Lines = std::vector<std::string>;

TEST(IniDocument, FindsKeysOnlyInTheirSection) {
    const auto ini =
        IniDocument::parse({"[Precyzja wagi]", "waga1=2", "[Podlaczone_wagi]", "waga1 = 1 ", "x"});
    EXPECT_EQ(ini.value("Precyzja wagi", "waga1"), "2");
    EXPECT_EQ(ini.value("Podlaczone_wagi", "waga1"), " 1 ");
    EXPECT_EQ(ini.value("podlaczone_WAGI", "WAGA1"), " 1 ");
    EXPECT_FALSE(ini.value("Precyzja wagi", "waga2"));
    EXPECT_FALSE(ini.value("Brak", "waga1"));
}

TEST(IniDocument, CommentsAreNotKeysAndTheFirstOfTwoKeysCounts) {
    const auto ini = IniDocument::parse({"[Inne]", "; log=1", "#log=2", "log=3", "log=4"});
    EXPECT_EQ(ini.value("Inne", "log"), "3");
}

TEST(IniDocument, AValueKeepsEverythingAfterTheFirstEquals) {
    const auto ini = IniDocument::parse({"[Dokument WZ]", "format=WZ=%n%/%y%"});
    EXPECT_EQ(ini.value("Dokument WZ", "format"), "WZ=%n%/%y%");
}

// Written back, a value must read as it was read: a tab stays a tab, only a line break becomes a space.
TEST(IniDocument, SetKeepsATabAndBreaksNoLine) {
    auto ini = IniDocument::parse({"[Dokument WZ]"});
    ini.set("Dokument WZ", "format", "WZ\t%n%");
    ini.set("Dokument WZ", "nast_numer", "1\r\n2");
    EXPECT_EQ(ini.lines(), (std::vector<std::string>{"[Dokument WZ]", "format=WZ\t%n%", "nast_numer=1  2"}));
}

TEST(IniDocument, SetReplacesInPlaceOrAddsAtTheEndOfTheSection) {
    auto ini = IniDocument::parse({"; plant 2", "[A]", "x=1", "", "[B]", "y=2"});
    ini.set("A", "x", "5");
    ini.set("A", "z", "6");
    ini.set("C", "w", "7");
    ini.set("B", "y", "line\r\nbreak");
    EXPECT_EQ(ini.lines(),
              (Lines{"; plant 2", "[A]", "x=5", "z=6", "", "[B]", "y=line  break", "[C]", "w=7"}));
}

TEST(IniDocument, AnEmptySectionTakesItsFirstKeyRightUnderTheHeader) {
    auto ini = IniDocument::parse({"[A]", "[B]", "y=2"});
    ini.set("A", "x", "1");
    EXPECT_EQ(ini.lines(), (Lines{"[A]", "x=1", "[B]", "y=2"}));
}

}  // namespace
}  // namespace wazenie
