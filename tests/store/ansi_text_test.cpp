#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "store/ansi_text.h"

namespace brinox {
namespace {

TEST(AnsiText, EveryByteSurvivesTheTripThroughUnicode) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const auto back = utf8ToAnsi(ansiToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(ansiToUtf8("Zo\xEB \x80"), "Zo\xC3\xAB \xE2\x82\xAC");
}

TEST(AnsiText, CharactersWithoutAByteAreRefusedNotGarbled) {
    EXPECT_EQ(utf8ToAnsi("\xC5\x81ukasz"), std::nullopt);  // Ł
    EXPECT_EQ(utf8ToAnsi("\xC3"), std::nullopt);  // cut-off UTF-8
    EXPECT_EQ(utf8ToAnsi("Lo\xC3\xAFs"), "Lo\xEFs");
}

TEST(AnsiText, SortingIgnoresCaseAndKeepsAccentsWithTheirLetter) {
    std::vector<std::string> names = {"Zwart", "\xC9mile", "eva", "Emile", "de Vries", "Zo\xEB", "Zoe", "emma"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return compareAnsiNoCase(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::string>{"de Vries", "Emile", "\xC9mile", "emma", "eva", "Zoe", "Zo\xEB",
                                               "Zwart"}));
    EXPECT_EQ(compareAnsiNoCase("JANSEN", "jansen"), 0);
    EXPECT_LT(compareAnsiNoCase("Jan  [12]", "Jan  [9]"), 0);
    EXPECT_EQ(ansiUpper("zo\xEB d\xE9sir\xE9"), "ZO\xCB D\xC9SIR\xC9");
    EXPECT_EQ(asciiUpper("smit-\xE9"), "SMIT-\xE9");
}

}  // namespace
}  // namespace brinox
