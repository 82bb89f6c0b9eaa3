#include <gtest/gtest.h>

#include "store/family_choice.h"
#include "store/family_load.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::Texts;

TEST(FamilyChoice, CreatingANewFamilyGivesTwoEmptyFiles) {
    testing::TempDir dir;
    testing::ScriptedPrompt prompt;
    prompt.buttons = {Button::Yes};
    EXPECT_EQ(chooseFamilyCode(dir.path(), prompt, "smit"), "SMIT");
    EXPECT_EQ(prompt.shown, (Texts{"Bestand SMIT werd niet gevonden.\nNieuw bestand creeren?",
                                   "Het nieuwe bestand komt in " + dir.path().string() + "/SMIT/"}));
    EXPECT_EQ(std::filesystem::file_size(dir / "SMIT/SMIT.da1"), 0u);
    EXPECT_EQ(std::filesystem::file_size(dir / "SMIT/SMIT.hu1"), 0u);

    Session session;
    session.dataDirectory = dir.path();
    testing::addUnion(session.unions, RecordNo(1), RecordNo(2));
    openFamily(session, prompt, "SMIT");
    EXPECT_EQ(session.persons.count(), 0);
    EXPECT_EQ(session.unions.unionCount(), 0);
    EXPECT_EQ(session.selectedPerson, RecordNo(1));

    // A folder already there in another letter case is named as it is on disk.
    std::filesystem::create_directory(dir / "Kok");
    prompt.shown.clear();
    prompt.buttons = {Button::Yes};
    EXPECT_EQ(chooseFamilyCode(dir.path(), prompt, "kok"), "KOK");
    EXPECT_EQ(prompt.shown.back(), "Het nieuwe bestand komt in " + dir.path().string() + "/Kok/");
}

TEST(FamilyChoice, AnsweringNoCreatesNothingButAFolderWithoutPersonsKeepsItsUnions) {
    testing::TempDir dir;
    testing::ScriptedPrompt prompt;
    prompt.buttons = {Button::No};
    EXPECT_EQ(chooseFamilyCode(dir.path(), prompt, "Jansen"), "JANSEN");
    EXPECT_FALSE(std::filesystem::exists(dir / "JANSEN"));

    std::filesystem::create_directory(dir / "JANSEN");
    testing::writeBytes(dir / "JANSEN/JANSEN.hu1", {1, 0, 2, 0, 1, 0});
    prompt.buttons = {Button::Yes};
    EXPECT_EQ(chooseFamilyCode(dir.path(), prompt, "JANSEN"), "JANSEN");
    EXPECT_EQ(std::filesystem::file_size(dir / "JANSEN/JANSEN.da1"), 0u);
    EXPECT_EQ(std::filesystem::file_size(dir / "JANSEN/JANSEN.hu1"), 6u);
}

TEST(FamilyChoice, CodesThatCannotNameAFolderAreRefused) {
    testing::TempDir dir;
    for (const std::string bad : {"", "../buren", "a/b", "a\\b", "fam.da1", "..", " SMIT", "ABCDEFGHIJKLMNOPQRSTU"}) {
        testing::ScriptedPrompt prompt;
        EXPECT_EQ(chooseFamilyCode(dir.path(), prompt, bad), std::nullopt) << bad;
        ASSERT_EQ(prompt.kinds, std::vector<MessageKind>{MessageKind::Warning}) << bad;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    testing::ScriptedPrompt prompt;
    prompt.buttons = {Button::No, Button::No};
    EXPECT_EQ(chooseFamilyCode(dir.path(), prompt, "van der Berg-\xE9"), "VAN DER BERG-\xC9");
    EXPECT_EQ(chooseFamilyCode(dir.path(), prompt, "ABCDEFGHIJKLMNOPQRST"), "ABCDEFGHIJKLMNOPQRST")
        << "twenty characters are what the configuration holds";
}

TEST(FamilyChoice, ListsTheFamilyFoldersInUpperCase) {
    testing::TempDir dir;
    std::filesystem::create_directory(dir / "smit");
    std::filesystem::create_directory(dir / "VDORKUM");
    std::filesystem::create_directory(dir / "backup.old");
    testing::writeBytes(dir / "brinox.cfg", {});
    testing::writeBytes(dir / "README", {});
    EXPECT_EQ(listFamilyCodes(dir.path()), (std::vector<std::string>{"SMIT", "VDORKUM"}));
}

TEST(FamilyChoice, LeavingAChangedFamilyOffersToSaveIt) {
    testing::TempDir dir;
    Session family;
    testing::addPerson(family.persons, {'m', "Smit", "Jan"});
    testing::writeFamily(family, dir.path(), "SMIT");
    testing::ScriptedPrompt prompt;
    Session session;
    startSession(session, prompt, dir.path());
    EXPECT_TRUE(mayLeaveFamily(session, prompt));
    EXPECT_TRUE(prompt.shown.empty());

    session.changed = true;
    prompt.buttons = {Button::Cancel};
    EXPECT_FALSE(mayLeaveFamily(session, prompt));
    prompt.buttons = {Button::Ok};
    prompt.inputs = {""};
    EXPECT_FALSE(mayLeaveFamily(session, prompt)) << "without the password the family must stay open";
    prompt.buttons = {Button::Ok};
    prompt.inputs = {"7341PX"};
    EXPECT_TRUE(mayLeaveFamily(session, prompt));
    EXPECT_FALSE(session.changed);
    session.changed = true;
    prompt.buttons = {Button::No};
    EXPECT_TRUE(mayLeaveFamily(session, prompt));
    EXPECT_EQ(prompt.shown.back(), "Het bestand op disk werd niet bijgewerkt.");
}

}  // namespace
}  // namespace brinox
