#include <gtest/gtest.h>

#include <cerrno>

#include "kinship/descendants_report.h"
#include "support/failing_calls.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

class DescendantsReport : public ::testing::Test {
protected:
    DescendantsReport() {
        auto& p = session.persons;
        addPerson(p, {'m', "Dorkum", "Jan", 1920, 5, 12, 0, 0, 1990, 3, 1, "Smid", ""});
        addPerson(p, {'v', "Smit", "Ren\xE9" "e", 1922});
        addPerson(p, {'m', "Dorkum", "Piet", 1950, 0, 0, 1, 2, 0, 0, 0, "", "Bakker"});
        addUnion(session.unions, RecordNo(1), RecordNo(2));
        session.dataDirectory = dir.path();
        session.familyCode = "SMIT";
        std::filesystem::create_directories(dir / "SMIT");
        walk = walkDescendants(p, session.unions, RecordNo(1));
    }

    ReportSave save(ReportReplace replace, FileCalls& calls = systemFileCalls()) {
        return saveDescendantsReport(session.persons, session.unions, walk, file, prompt, replace, calls);
    }

    TempDir dir;
    Session session;
    ScriptedPrompt prompt;
    DescendantWalk walk;
    std::filesystem::path file = dir / "SMIT" / "fam001.AFS";
    std::string name = file.string();
};

TEST_F(DescendantsReport, ListThenADataBlockPerLineInWindowsTextLines) {
    EXPECT_EQ(descendantsReportPath(session, RecordNo(1)), file);
    const std::string rule = "-----------------------------------------------------------\r\n";
    const std::string wide = "------------------------------------------------------------------------\r\n";
    EXPECT_EQ(descendantsReport(session.persons, session.unions, walk),
              wide +
              "              OVERZICHT VAN AFSTAMMELINGEN VAN \r\n"
              "     Jan Dorkum\r\n"
              "     - de partners zijn voorzien van een sterretje       \r\n"
              "     - iedere volgende generatie springt 10 spaties in    \r\n" +
              wide +
              "   -- Jan  Dorkum,  (1920-1990)\r\n"
              "   *   Ren\xE9" "e  Smit, (1922)\r\n"
              "        -- Piet  Dorkum, (1950)\r\n"
              " \r\n" + rule +
              "        Nu volgen de Data van deze 3 personen \r\n" + rule +
              "Geslacht  : man                        record : 1\r\n"
              "Naam      : Jan  Dorkum\r\n"
              "Geboren   : 12-5-1920\r\n"
              "Overleden : 1-3-1990\r\n"
              "Levenspartner :\r\n"
              "[2]  Ren\xE9" "e Smit\r\n"
              "Smid\r\n" + rule +
              "Geslacht  : vrouw                      record : 2\r\n"
              "Naam      : Ren\xE9" "e  Smit\r\n"
              "Geboren   : 0-0-1922\r\n"
              "Levenspartner :\r\n"
              "[1]  Jan Dorkum\r\n" + rule +
              "Geslacht  : man                        record : 3\r\n"
              "Naam      : Piet  Dorkum\r\n"
              "Geboren   : 0-0-1950\r\n"
              "vader     : [1]  Jan Dorkum\r\n"
              "moeder    : [2]  Ren\xE9" "e Smit\r\n"
              "Levenspartner :\r\n"
              "Bakker\r\n"
              "--------------------- einde -------------------------------\r\n");
}

TEST_F(DescendantsReport, AnExistingReportIsReplacedOnlyOnYesAndNeverHalfWritten) {
    const std::string report = descendantsReport(session.persons, session.unions, walk);
    const std::string done = "Het nageslacht van \nJan Dorkum\n staat nu in file " + name;
    EXPECT_EQ(save(ReportReplace::Ask).outcome, ReportSave::Written);
    EXPECT_EQ(fileBytes(file), bytesOf(report));
    EXPECT_EQ(prompt.shown, Texts{done});

    writeBytes(file, bytesOf("oud"));
    prompt.shown.clear();
    prompt.kinds.clear();
    prompt.buttons = {Button::No, Button::Yes};
    EXPECT_EQ(save(ReportReplace::Ask).outcome, ReportSave::Declined);
    EXPECT_EQ(fileBytes(file), bytesOf("oud"));
    EXPECT_EQ(save(ReportReplace::Ask).outcome, ReportSave::Written);
    EXPECT_EQ(fileBytes(file), bytesOf(report));
    const std::string question = "De file " + name + "\nbestaat al.\nOverschrijven?";
    EXPECT_EQ(prompt.shown, (Texts{question, question, done}));
    EXPECT_EQ(prompt.kinds[0], MessageKind::Warning);

    for (const FileCall call : {FileCall::Open, FileCall::Write, FileCall::Rename}) {
        writeBytes(file, bytesOf("oud"));
        prompt.shown.clear();
        FailingCall failing(call, ENOSPC);
        const ReportSave failed = save(ReportReplace::Always, failing);
        EXPECT_EQ(failed.outcome, ReportSave::Failed);
        EXPECT_EQ(failed.error, ENOSPC);
        EXPECT_TRUE(prompt.shown.empty()) << "no success after a failed write";
        EXPECT_EQ(fileBytes(file), bytesOf("oud"));
    }
}

}  // namespace
}  // namespace brinox::testing
