#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/text_find.h"

namespace brinox {
namespace {

TEST(TextFind, LetterCaseFoldsForEveryWindowsLetterButAccentsCount) {
    struct Case {
        const char* line;
        const char* text;
        bool matchCase;
        bool found;
    } cases[] = {
        {"-- Jan  Dorkum", "dorkum", false, true},
        {"-- Jan  Dorkum", "dorkum", true, false},
        {"-- No\xEBl  Bos", "NO\xCBL", false, true},      // ë and Ë
        {"-- Ren\xE9  Bos", "REN\xC9", false, true},      // é and É
        {"-- Ren\xE9  Bos", "REN\xC9", true, false},
        {"-- No\xEBl  Bos", "Noel", false, false},        // e is not ë
        {"-- \xFF" "de  Bos", "\x9F" "DE", false, true},  // ÿ and Ÿ
        {"-- Jan  Dorkum", "", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lineContains(c.line, c.text, c.matchCase), c.found) << c.line << " / " << c.text;
    }
}

TEST(TextFind, SearchPositionStaysInTheListAndStartsOverAfterTheLastMatch) {
    std::vector<std::string> lines = {"Jan", "Piet", "Kees", "piet", "Anna"};
    LineSearch search;
    const FindRequest down{"piet", FindDirection::Down, false};
    EXPECT_EQ(search.findNext(lines, down), 1);
    EXPECT_EQ(search.findNext(lines, down), 3);
    EXPECT_EQ(search.findNext(lines, down), std::nullopt);
    EXPECT_EQ(search.findNext(lines, down), 1) << "after not found the search starts over";
    EXPECT_EQ(search.findNext(lines, {"piet", FindDirection::Down, true}), 3) << "the case option starts over";

    // Upward from the bottom to a match on the first line, then nothing more.
    const FindRequest up{"jan", FindDirection::Up, false};
    search.restart(static_cast<int>(lines.size()));
    EXPECT_EQ(search.findNext(lines, up), 0);
    EXPECT_EQ(search.position(), 0);
    EXPECT_EQ(search.findNext(lines, up), std::nullopt);
    EXPECT_EQ(search.position(), 4);
    search.restart(static_cast<int>(lines.size()));
    EXPECT_EQ(search.position(), 4) << "opened again after an upward search: from the last line";

    // The list built anew, shorter, behind the search's back.
    lines.resize(2);
    EXPECT_EQ(search.findNext(lines, up), 0);
    lines.clear();
    EXPECT_EQ(search.findNext(lines, down), std::nullopt);
    EXPECT_EQ(search.position(), 0);
}

}  // namespace
}  // namespace brinox
