#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

void writeBosFamily(const std::filesystem::path& data, int persons) {
    Session s;
    addPerson(s.persons, {'m', "Bos", "Jan", 1850, 0, 0, 0, 0, 1920});  // 1
    addPerson(s.persons, {'v', "Bos", "Ans", 1850});                    // 2
    addPerson(s.persons, {'v', "Bos", "Els", 1900});                    // 3
    addPerson(s.persons, {'m', "Oud", "Wim", 1302, 0, 0, 0, 0, 1305});  // 4
    while (s.persons.count() < persons) addPerson(s.persons, {'m', "Bos", "Kind"});
    writeFamily(s, data, "BOS");
}

class TimelineCommands : public ::testing::Test {
protected:
    TimelineCommands() { writeBosFamily(dir.path(), 20); }

    CliRun run(std::vector<std::string> words) {
        words.insert(words.begin(), {"--data", dir.path().string(), "--today", "2026-03-01"});
        return runCommandLine(words);
    }

    TempDir dir;
};

// The output without its `line` entries, which are counted instead.
std::string withoutLines(const std::string& out, int& lineCount) {
    std::istringstream in(out);
    std::string rest;
    lineCount = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("line\t", 0) == 0) {
            ++lineCount;
        } else {
            rest += line + "\n";
        }
    }
    return rest;
}

TEST_F(TimelineCommands, TimelineShowsTheYearsClicksTheQuestionAndTheSearch) {
    const auto result = run({"timeline", "1", "--click", "1850,1900", "--close", "--find", "els", "--again", "1"});
    ASSERT_EQ(result.code, 0) << result.err;
    int lines = 0;
    EXPECT_EQ(withoutLines(result.out, lines),
              "caption\tWie leefde in dezelfde periode als Jan Bos (1850) ?\n"
              "top\t545\nperiod\t550\t620\ncurrent\t726\n"
              "message\tinformation\t1850\\n\\nDit is het geboortejaar van:           \\n\\n"
              "1  Jan Bos\\n\\n2  Ans Bos\\n\\n\n"
              "message\tinformation\tJaar 1900. \\n\\nJan werd nu \\n50 jaar geleden geboren\n"
              "message\tinformation\t1900\\n\\nDit is het geboortejaar van:           \\n\\n3  Els Bos\\n\\n\n"
              "lastfound\t3\n"
              "message\tconfirmation\tLaatst gevonden naam was \\n3 Els Bos\\n\\nDeze persoon nu selecteren?\n"
              "selected\t3\n"
              "found\t600\n"
              "message\tinformation\tZoekwoord \\nels\\nniet gevonden.\n");
    EXPECT_EQ(lines, 727);
    EXPECT_NE(result.out.find("\nline\t2\t         | Wim |\nline\t3\t     \n"), std::string::npos);
    EXPECT_NE(result.out.find("\nline\t550\t1850       | Jan |    | Ans |\n"), std::string::npos);

    EXPECT_EQ(run({"timeline", "1", "--click", "1299"}).code, 1);
    TempDir few;
    writeBosFamily(few.path(), 19);
    const auto tooFew = runCommandLine({"--data", few.path().string(), "timeline", "1"});
    EXPECT_EQ(tooFew.code, 0);
    EXPECT_EQ(tooFew.out, "message\tinformation\tVoer eerst minstens 20 familieleden in\n");
}

TEST_F(TimelineCommands, HistoryShowsTheFileWithTheLifeOrOnlyTheCaption) {
    const std::string caption = "caption\tLevensperiode van Wim Oud (1302) geplaatst binnen de historie\n";
    EXPECT_EQ(run({"history", "4"}).out, caption);

    std::ofstream(dir / "history.doc", std::ios::binary)
        << "1300 Begin\r\n1301 Caf\xE9\r\n1302 Pest\r\n1303\r\n1304 Vrede";
    const auto result = run({"history", "4", "--click", "1302,1303,1301", "--find", "CAFÉ", "--again", "1"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, caption +
                              "top\t0\nperiod\t2\t4\n"
                              "line\t0\t1300 Begin\nline\t1\t1301 Café\nline\t2\t1302 Pest\nline\t3\t1303\n"
                              "line\t4\t1304 Vrede\n"
                              "message\tinformation\tJaar 1302\\n\\n is het geboortejaar van \\nWim Oud\n"
                              "message\tinformation\tJaar 1303. \\n\\nWim Oud\\nis nu 1 jaar oud\n"
                              "found\t1\n"
                              "message\tinformation\tZoekwoord \\nCAFÉ\\nniet gevonden\n");
}

}  // namespace
}  // namespace brinox::testing
