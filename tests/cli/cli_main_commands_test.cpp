#include <gtest/gtest.h>

#include "store/family_files.h"
#include "store/family_load.h"
#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

class CliMainCommands : public ::testing::Test {
protected:
    CliMainCommands() {
        addPerson(family.persons, {'m', "Dorkum", "Jan", 1920, 3, 1});             // 1
        addPerson(family.persons, {'v', "Ren\xE9" "e", "Anna", 1922, 0, 0, 0, 0, 1990, 3, 1});  // 2
        addPerson(family.persons, {'m', "Dorkum", "Piet", 1950, 0, 0, 1, 2});      // 3
        addUnion(family.unions, RecordNo(1), RecordNo(2));
        writeFamily(family, dir.path(), "VDORKUM", 1);
    }

    CliRun run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--data", dir.path().string()});
        return runCommandLine(arguments);
    }

    Session reload() {
        Session s;
        ScriptedPrompt quiet;
        startSession(s, quiet, dir.path());
        return s;
    }

    TempDir dir;
    Session family;
};

TEST_F(CliMainCommands, AnniversariesPrintTheMessagesOfTheDay) {
    const auto march = run({"anniversaries", "--today", "2025-03-01", "--now", "08:07"});
    EXPECT_EQ(march.code, 0);
    EXPECT_EQ(march.out,
              "message\tinformation\tHet is vandaag: zaterdag , \\n1 maart 2025,\\nDe klok wijst 08:07\n"
              "message\tinformation\tVandaag, \\n1 maart,\\nis het de geboortedag van \\nJan Dorkum  (1920)\n"
              "message\tinformation\tVandaag, \\n1 maart,\\nis het de sterfdag van\\nAnna Ren\xC3\xA9" "e\\n"
              "overleden in 1990.\n");
    const auto none = run({"--today=2025-03-02", "--now=23:59", "anniversaries"});
    EXPECT_EQ(none.out,
              "message\tinformation\tHet is vandaag: zondag , \\n2 maart 2025,\\nDe klok wijst 23:59\n"
              "message\tinformation\tVoor vandaag is er \\ngeen gedenkdag in het bestand\n");
    EXPECT_EQ(run({"anniversaries", "--today", "2025-02-29"}).code, 1);
    EXPECT_EQ(run({"anniversaries", "--now", "24:00"}).code, 1);
}

TEST_F(CliMainCommands, DeleteConfirmsThenSavesWithThePassword) {
    const auto before = fileBytes(dir / "VDORKUM" / "VDORKUM.da1");
    const auto refused = run({"delete", "1", "--password", "fout"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.out,
              "message\tconfirmation\tWilt U de persoon \\n1 Jan Dorkum(geb.: 1920)\\n uit het bestand VDORKUM\\n"
              "verwijderen?\n"
              "message\tinformation\tfout\\nis niet het goede wachtwoord.\n"
              "message\twarning\tGeen goed wachtwoord ontvangen.\\nHet bestand is niet bijgewerkt.\n");
    EXPECT_EQ(fileBytes(dir / "VDORKUM" / "VDORKUM.da1"), before);

    const auto deleted = run({"delete", "3", "--password", "Tjalko"});
    EXPECT_EQ(deleted.code, 0) << deleted.err;
    EXPECT_EQ(deleted.out.substr(deleted.out.rfind("message")),
              "message\tinformation\tHet bestand is op disk bijgewerkt\n");
    EXPECT_EQ(reload().persons.count(), 2);

    EXPECT_EQ(run({"delete", "1", "--password", "Tjalko"}).code, 0);
    const Session after = reload();
    EXPECT_EQ(after.persons.getSex(RecordNo(1)), '-');
    EXPECT_EQ(after.unions.unionCount(), 0);
    EXPECT_EQ(run({"delete", "3", "--password", "Tjalko"}).code, 1) << "3 is no longer in the table";
}

}  // namespace
}  // namespace brinox::testing
