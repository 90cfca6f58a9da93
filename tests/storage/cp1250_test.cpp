#include "storage/cp1250.h"

#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace wazenie {
namespace {

std::string from_hex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// The golden file holds, for each byte, what the system's iconv makes of it ("-" where the code page
// leaves the byte undefined).
TEST(Cp1250, EveryByteDecodesAsIconvDoesAndEncodesBack) {
    std::ifstream golden(WAZENIE_TEST_DATA "/storage/cp1250_utf8.txt");
    ASSERT_TRUE(golden.is_open());
    std::string line;
    int checked = 0;
    while (std::getline(golden, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto tab = line.find('\t');
        const auto byte = std::string(1, static_cast<char>(std::stoi(line.substr(0, 2), nullptr, 16)));
        const std::string expected = line.substr(tab + 1);
        const std::string utf8 = cp1250_to_utf8(byte);
        if (expected == "-") {
            const auto b = static_cast<unsigned char>(byte[0]);
            EXPECT_EQ(utf8, std::string({static_cast<char>(0xC2), static_cast<char>(b)})) << line;
        } else {
            EXPECT_EQ(utf8, from_hex(expected)) << line;
        }
        EXPECT_EQ(utf8_to_cp1250(utf8), byte) << line;
        ++checked;
    }
    EXPECT_EQ(checked, 256);
}

TEST(Cp1250, PolishTextBothWays) {
    const std::string utf8 = "Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ";
    const std::string bytes = utf8_to_cp1250(utf8);
    EXPECT_EQ(bytes.size(), 27u);
    EXPECT_EQ(bytes.substr(0, 4), "Za\xBF\xF3");
    EXPECT_EQ(cp1250_to_utf8(bytes), utf8);
}

TEST(Cp1250, WhatTheCodePageLacksBecomesAQuestionMark) {
    EXPECT_EQ(utf8_to_cp1250("5 m³ → 2 €"), "5 m? ? 2 \x80");
    EXPECT_EQ(utf8_to_cp1250("日本"), "??");
    EXPECT_EQ(utf8_to_cp1250("a\xC3"), "a?");          // cut short
    EXPECT_EQ(utf8_to_cp1250("\xC0\xAF"), "??");       // overlong
    EXPECT_EQ(utf8_to_cp1250("\xED\xA0\x80"), "???");  // a surrogate
    EXPECT_EQ(utf8_to_cp1250("😀"), "?");
}

}  // namespace
}  // namespace wazenie
