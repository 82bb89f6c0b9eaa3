#include <gtest/gtest.h>

#include "store/config_file.h"
#include "store/family_files.h"
#include "store/family_load.h"
#include "store/save_command.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::fileBytes;
using testing::Texts;
using testing::writeBytes;

class FamilyLoad : public ::testing::Test {
protected:
    FamilyLoad() {
        for (int i = 1; i <= 5; ++i) addPerson(family.persons, {'m', "Dorkum", "Kind " + std::to_string(i)});
        addUnion(family.unions, RecordNo(1), RecordNo(2));
        addUnion(family.unions, RecordNo(3), RecordNo(4), false);
        testing::writeFamily(family, dir.path(), "VDORKUM", 3);
    }

    std::filesystem::path file(const std::string& name) const { return dir / "VDORKUM" / name; }

    Session loaded() {
        Session s;
        startSession(s, prompt, dir.path());
        return s;
    }

    testing::TempDir dir;
    Session family;
    testing::ScriptedPrompt prompt;
};

TEST_F(FamilyLoad, StartTakesConfigurationAndRestartsSelection) {
    Session s = loaded();
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(s.familyCode, "VDORKUM");
    EXPECT_EQ(s.persons.count(), 5);
    EXPECT_EQ(s.selectedPerson, RecordNo(3));
    EXPECT_EQ(s.startPerson, RecordNo(3));
    EXPECT_EQ(s.selection.history[0], RecordNo(3));
    EXPECT_EQ(s.selection.historyCount, 1);
    EXPECT_EQ(s.unions[1].woman, 2);
    EXPECT_EQ(s.unions[2].married, 0);
    EXPECT_FALSE(s.unions[0].inUse());
}

TEST_F(FamilyLoad, ConfigurationEdgesFallBackToDefaults) {
    testing::writeFamily(family, dir.path(), "VDORKUM", 0);
    EXPECT_EQ(loaded().selectedPerson, RecordNo(1));
    testing::writeFamily(family, dir.path(), "VDORKUM", 6);
    EXPECT_EQ(loaded().selectedPerson, RecordNo(1)) << "the start person is no longer in the family";
    EXPECT_EQ(loaded().selection.history[0], RecordNo(1));

    Configuration emptyCode{1, 2, 3, 4, 5, 2, ""};
    auto bytes = encodeConfiguration(emptyCode);
    writeBytes(dir / "brinox.cfg", {bytes.begin(), bytes.end()});
    EXPECT_EQ(loaded().familyCode, "VDORKUM");

    Configuration escaping{1, 2, 3, 4, 5, 2, "../../etc"};
    bytes = encodeConfiguration(escaping);
    writeBytes(dir / "brinox.cfg", {bytes.begin(), bytes.end()});
    EXPECT_EQ(loaded().familyCode, "VDORKUM");

    std::filesystem::remove(dir / "brinox.cfg");
    prompt.shown.clear();
    Session none = loaded();
    EXPECT_EQ(none.familyCode, "");
    EXPECT_EQ(none.persons.count(), 0);
    EXPECT_EQ(prompt.shown, Texts{"Er is nog geen familie-bestand aanwezig"});
}

TEST_F(FamilyLoad, PartialRecordsAndEmptyUnionEntriesAreSkipped) {
    auto persons = fileBytes(file("VDORKUM.da1"));
    persons.resize(persons.size() + 100, 'x');
    writeBytes(file("VDORKUM.da1"), persons);
    std::vector<std::uint8_t> unions = {1, 0, 2, 0, 1, 0,   // 1 with 2
                                        0, 0, 4, 0, 1, 0,   // no man: not a union
                                        3, 0, 0, 0, 0, 0,   // no woman
                                        5, 0, 4, 0, 0, 0,   // 5 with 4, steady
                                        9, 9};              // a cut-off entry
    writeBytes(file("VDORKUM.hu1"), unions);

    Session s = loaded();
    EXPECT_EQ(s.persons.count(), 5);
    EXPECT_EQ(s.unions[1], (UnionEntry{1, 2, 1, 0}));
    EXPECT_EQ(s.unions[2], (UnionEntry{5, 4, 0, 0}));
    EXPECT_FALSE(s.unions[3].inUse());
    EXPECT_EQ(s.unions[3].married, 1);

    s.passwordGiven = true;
    ASSERT_EQ(SaveFamily(s, prompt), SaveResult::Saved);
    EXPECT_EQ(fileBytes(file("VDORKUM.da1")).size(), 5 * kPersonRecordSize);
    EXPECT_EQ(fileBytes(file("VDORKUM.hu1")).size(), 2406u);
    Session again = loaded();
    EXPECT_EQ(again.unions[2], (UnionEntry{5, 4, 0, 0}));
    EXPECT_EQ(fileBytes(file("VDORKUM.da1")), encodePersonFile(again.persons));
}

TEST_F(FamilyLoad, MissingFilesAreReportedAndLeaveNothingOfAnotherFamily) {
    std::filesystem::remove(file("VDORKUM.hu1"));
    Session s = loaded();
    EXPECT_EQ(s.persons.count(), 5);
    ASSERT_EQ(prompt.kinds.size(), 1u);
    EXPECT_EQ(prompt.kinds[0], MessageKind::Error);
    EXPECT_FALSE(s.unions[1].inUse());
    EXPECT_TRUE(s.saveRefusal.empty()) << "a missing union file may be written anew";

    std::filesystem::remove(file("VDORKUM.da1"));
    prompt.shown.clear();
    s.familyCode = "VDORKUM";
    addUnion(s.unions, RecordNo(1), RecordNo(2));
    LoadFamily(s, prompt);
    EXPECT_EQ(prompt.shown, Texts{"Er is nog geen familie-bestand aanwezig"});
    EXPECT_EQ(s.persons.count(), 0);
    EXPECT_FALSE(s.unions[1].inUse());
}

TEST_F(FamilyLoad, TooLargeFilesLoadWhatFitsAndAreNeverSavedOver) {
    Session big;
    for (int i = 1; i <= 600; ++i) addPerson(big.persons, {'v', "Groot", "Nr " + std::to_string(i)});
    for (int i = 1; i <= 400; ++i) addUnion(big.unions, RecordNo(i), RecordNo(i + 1));
    auto persons = encodePersonFile(big.persons);
    persons.insert(persons.end(), persons.begin(), persons.begin() + kPersonRecordSize);  // record 601
    auto unions = encodeUnionFile(big.unions);
    unions.insert(unions.end(), {7, 0, 8, 0, 1, 0});  // union 401
    writeBytes(file("VDORKUM.da1"), persons);
    writeBytes(file("VDORKUM.hu1"), unions);

    Session s = loaded();
    EXPECT_EQ(s.persons.count(), 600);
    EXPECT_EQ(s.unions[400].man, 400);
    ASSERT_EQ(prompt.kinds, std::vector<MessageKind>{MessageKind::Warning});
    EXPECT_NE(prompt.shown[0].find("meer dan 600 personen en meer dan 400 verbintenissen"), std::string::npos);

    prompt.shown.clear();
    prompt.inputs = {"Tjalko"};
    EXPECT_EQ(saveCommand(s, prompt), SaveOutcome::Refused);
    EXPECT_EQ(prompt.asked.size(), 0u) << "no password is asked for a save that cannot be made";
    EXPECT_EQ(fileBytes(file("VDORKUM.da1")), persons);
    EXPECT_EQ(fileBytes(file("VDORKUM.hu1")), unions);
}

TEST_F(FamilyLoad, FileNamesInAnotherLetterCaseAreFound) {
    std::filesystem::rename(dir / "VDORKUM", dir / "vdorkum");
    std::filesystem::rename(dir / "vdorkum" / "VDORKUM.da1", dir / "vdorkum" / "Vdorkum.DA1");
    std::filesystem::rename(dir / "brinox.cfg", dir / "BRINOX.CFG");
    Session s = loaded();
    EXPECT_EQ(s.persons.count(), 5);
    s.passwordGiven = true;
    ASSERT_EQ(SaveFamily(s, prompt), SaveResult::Saved);
    EXPECT_TRUE(std::filesystem::exists(dir / "vdorkum" / "Vdorkum.DA1"));
    EXPECT_FALSE(std::filesystem::exists(dir / "VDORKUM"));
}

}  // namespace
}  // namespace brinox
