#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

const std::string kDemo = BRINOX_DEMO_DIR;

TEST(CliLifeTexts, TheDemoTextsAsTheWindowsLoadThem) {
    const auto list = runCommandLine({"--data", kDemo, "lifetexts", "12"});
    EXPECT_EQ(list.out, "caption\tVDORKUM\\\\fam012A.doc bij 12  Gerrit Hendrik van Dorkum\n"
                        "choice\tVDORKUM\\\\fam012A.doc\nchoice\tVDORKUM\\\\fam012B.doc\nnext\tC\n");
    const auto text = runCommandLine({"--data", kDemo, "lifetext", "12", "--letter", "B"});
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_EQ(text.out.rfind("file\tfam012B.doc\nformat\trtf\ntext\tHoofd der school in Emmen\\nIn 1926", 0), 0u);
    for (const char* line : {"\nparagraph\t0\tcenter\n", "\nparagraph\t4\tright\n", "\nrun\t0\t0\t25\tArial\t16\tb\t000080\n",
                             "\nrun\t3\t70\t16\tTimes New Roman\t12\tb\tB22222\n"}) {
        EXPECT_NE(text.out.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(runCommandLine({"--data", kDemo, "lifetext", "12", "--letter", "C"}).code, 1);
}

TEST(CliLifeTexts, SaveImportAndDeleteThroughTheEntryWindow) {
    TempDir data;
    Session session;
    addPerson(session.persons, {'v', "de Vries", "Anna"});
    writeFamily(session, data.path(), "SMIT");
    const auto run = [&](std::vector<std::string> more) {
        std::vector<std::string> arguments{"--data", data.path().string()};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return runCommandLine(arguments);
    };
    EXPECT_EQ(run({"--text", "één\ntwee", "lifesave", "1", "--new"}).out, "saved\tfam001A.doc\n");
    EXPECT_EQ(run({"lifetext", "1"}).out.substr(0, 45), "file\tfam001A.doc\nformat\trtf\ntext\téén\\ntwee\n");
    writeBytes(data / "oud.rtf", {'{', '\\', 'r', 't', 'f', '1', ' ', '\\', 'b', ' ', 'o', 'u', 'd', '}'});
    EXPECT_EQ(run({"lifesave", "1", "--new", "--import", (data / "oud.rtf").string()}).out, "saved\tfam001B.doc\n");
    EXPECT_NE(run({"lifetext", "1", "--letter", "B"}).out.find("run\t0\t0\t3\t\t12\tb\tauto\n"), std::string::npos);
    EXPECT_EQ(run({"lifesave", "1", "--letter", "A", "--text", "anders"}).out, "saved\tfam001A.doc\n");

    // Writing fails: the message goes to stderr too and the old text stays.
    const auto before = fileBytes(data / "SMIT" / "fam001A.doc");
    std::filesystem::create_directories(data / "SMIT" / "fam001A.doc.new" / "bezet");
    const auto failed = run({"lifesave", "1", "--letter", "A", "--text", "kwijt"});
    EXPECT_EQ(failed.code, 2);
    EXPECT_NE(failed.err.find("fam001A.doc"), std::string::npos);
    EXPECT_EQ(fileBytes(data / "SMIT" / "fam001A.doc"), before);
    std::filesystem::remove_all(data / "SMIT" / "fam001A.doc.new");

    const std::string file = (data / "SMIT" / "fam001").string();
    EXPECT_EQ(run({"lifedelete", "1", "--letter", "A"}).out,
              "message\tinformation\tWilt U de file \\n" + file + "A.doc\\n echt verwijderen?\n"
              "choice\tSMIT\\\\fam001A.doc\nchoice\tSMIT\\\\fam001B.doc\n");
    EXPECT_EQ(run({"lifedelete", "1", "--letter", "B"}).out,
              "message\tinformation\tWilt U de file \\n" + file + "B.doc\\n echt verwijderen?\n"
              "message\tinformation\tFile " + file + "B.doc is verwijderd\nchoice\tSMIT\\\\fam001A.doc\n");
}

}  // namespace
}  // namespace brinox::testing
