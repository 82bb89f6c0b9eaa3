#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "timeline/history_file.h"

namespace brinox::testing {
namespace {

using Lines = std::vector<std::string>;

Lines linesOf(const std::string& text) {
    return historyLines({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

TEST(HistoryLines, SplitOnLineFeedsCutToTheWindowAndBounded) {
    const std::string wide(150, 'x');
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"1300 a\n1301 b\n1302 c\n", {"1300 a", "1301 b", "1302 c"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\nc", {"a", "", "c"}},
        {"a\rb\n", {"a\rb"}},  // only the CR of a CRLF goes
        {wide + "\nb", {wide.substr(0, 100), "b"}},
    };
    for (const auto& c : cases) EXPECT_EQ(linesOf(c.bytes), c.lines) << c.bytes;
    EXPECT_EQ(linesOf(std::string(70000, '\n')), Lines(64236, ""));
}

TEST(HistoryFile, IsReadInAnyCaseAsARegularFileOfAtMost16MiB) {
    TempDir dir;
    const auto problem = [&] { return std::get<ReadError>(readHistoryFile(dir.path())).problem; };
    EXPECT_EQ(problem(), ReadProblem::Missing);
    std::filesystem::create_directory(dir / "history.doc");
    EXPECT_EQ(problem(), ReadProblem::NotAFile);
    std::filesystem::remove(dir / "history.doc");

    std::ofstream(dir / "HISTORY.DOC", std::ios::binary) << "1300 Begin\r\n1301 Caf\xE9";
    EXPECT_EQ(std::get<Lines>(readHistoryFile(dir.path())), (Lines{"1300 Begin", "1301 Caf\xE9"}));

    // A file without line breaks, larger than the limit, still gives one cut line.
    {
        std::ofstream out(dir / "HISTORY.DOC", std::ios::binary | std::ios::trunc);
        const std::string block(1 << 20, 'y');
        for (int i = 0; i < 20; ++i) out << block;
        out << "\nnooit gelezen\n";
    }
    EXPECT_EQ(std::get<Lines>(readHistoryFile(dir.path())), Lines{std::string(100, 'y')});
}

}  // namespace
}  // namespace brinox::testing
