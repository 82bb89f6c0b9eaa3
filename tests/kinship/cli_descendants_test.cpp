#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

TEST(CliDescendants, ListsSavesAndClicks) {
    TempDir dir;
    Session family;
    addPerson(family.persons, {'m', "Dorkum", "Jan", 1920});
    addPerson(family.persons, {'v', "Smit", "Ren\xE9" "e", 1922});
    addPerson(family.persons, {'m', "Dorkum", "Piet", 1950, 0, 0, 1, 2});
    addUnion(family.unions, RecordNo(1), RecordNo(2));
    writeFamily(family, dir.path(), "SMIT", 1);
    const auto file = (dir / "SMIT" / "fam001.AFS").string();
    const std::string listed = "title\tAfstammelingen (1 directe ) van Jan  Dorkum\n"
                               "line\t   -- Jan  Dorkum,  (1920)\n"
                               "line\t   *   Ren\u00e9e  Smit, (1922)\n"
                               "line\t        -- Piet  Dorkum, (1950)\n";

    auto run = runCommandLine({"--data", dir.path().string(), "descendants", "1", "--save", "--click", "1"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, listed +
                           "message\tinformation\tHet nageslacht van \\nJan Dorkum\\n staat nu in file " + file + "\n"
                           "saved\t" + file + "\n"
                           "message\tconfirmation\t2     Ren\u00e9e  Smit, (1922)\\nis met Jan\\ngetrouwd.\\n\\n"
                           "Deze persoon selecteren en \\nterug naar de Kwartierstaat?\n"
                           "selected\t2\n");
    const auto bytes = fileBytes(file);
    EXPECT_EQ(std::string(bytes.end() - 61, bytes.end()),
              "--------------------- einde -------------------------------\r\n");

    run = runCommandLine({"--data", dir.path().string(), "descendants", "1", "--click", "0"});
    EXPECT_EQ(run.out, listed + "message\tinformation\t1  - Jan  Dorkum,  (1920)\\nis de stamhouder\n");
    EXPECT_EQ(runCommandLine({"--data", dir.path().string(), "descendants", "1", "--click", "3"}).code, 1);
    EXPECT_EQ(runCommandLine({"--data", dir.path().string(), "descendants", "4"}).code, 1);
}

}  // namespace
}  // namespace brinox::testing
