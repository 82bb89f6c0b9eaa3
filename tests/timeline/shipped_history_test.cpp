#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "store/ansi_text.h"
#include "timeline/history_file.h"
#include "timeline/timeline_years.h"

namespace brinox::testing {
namespace {

// The history file that ships with the program: one line for every year
// from 1300 to 2026, plain Windows-1252 with LF line ends, no line longer
// than the window keeps, each event line opened by its own year.
TEST(ShippedHistory, HasOneShortWindows1252LinePerYear) {
    const std::filesystem::path file = std::filesystem::path(BRINOX_SHIPPED_DIR) / kHistoryFileName;
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(bytes.find('\r'), std::string::npos);
    EXPECT_EQ(bytes.back(), '\n');
    // A lead byte of a UTF-8 sequence followed by a continuation byte: text
    // saved as UTF-8 instead of Windows-1252.
    const auto utf8Pair = std::adjacent_find(bytes.begin(), bytes.end(), [](unsigned char a, unsigned char b) {
        return a >= 0xC2 && a <= 0xF4 && b >= 0x80 && b <= 0xBF;
    });
    EXPECT_EQ(utf8Pair, bytes.end()) << "at byte " << (utf8Pair - bytes.begin());

    const auto read = readHistoryFile(BRINOX_SHIPPED_DIR);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(read));
    const auto& lines = std::get<std::vector<std::string>>(read);
    ASSERT_EQ(lines.size(), 727u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 727);
    int events = 0;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t lineEnd = bytes.find('\n', lineStart);
        EXPECT_LE(lineEnd - lineStart, kHistoryLineWidth) << "line " << i;
        lineStart = lineEnd + 1;
        if (lines[i].empty()) continue;
        ++events;
        EXPECT_EQ(lines[i].substr(0, 6), std::to_string(yearOfLine(static_cast<int>(i))) + "  ") << lines[i];
    }
    EXPECT_GE(events, 450);
    EXPECT_EQ(ansiToUtf8(lines[lineOfYear(1895)]),
              "1895  R\u00f6ntgen ontdekt r\u00f6ntgenstralen; eerste filmvoorstelling van de Lumi\u00e8res");
}

}  // namespace
}  // namespace brinox::testing
