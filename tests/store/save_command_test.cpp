#include <gtest/gtest.h>

#include <cerrno>

#include "store/config_file.h"
#include "store/family_choice.h"
#include "store/family_files.h"
#include "store/family_load.h"
#include "store/save_command.h"
#include "support/failing_calls.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::FailingCall;
using testing::fileBytes;
using testing::Texts;

const std::string kWrong = "\nis niet het goede wachtwoord.";
const std::string kNoPassword = "Geen goed wachtwoord ontvangen.\nHet bestand is niet bijgewerkt.";
const std::string kSaved = "Het bestand is op disk bijgewerkt";

class SaveCommand : public ::testing::Test {
protected:
    SaveCommand() {
        Session family;
        addPerson(family.persons, {'m', "Smit", "Jan", 1950});
        addPerson(family.persons, {'v', "Smit", "Els", 1952});
        testing::writeFamily(family, dir.path(), "VDORKUM", 1);
        startSession(session, prompt, dir.path());
        before = fileBytes(personFile());
        session.persons.setFirstNames(RecordNo(1), "Johannes");
        session.changed = true;
    }

    std::filesystem::path personFile() const { return dir / "VDORKUM" / "VDORKUM.da1"; }

    testing::TempDir dir;
    testing::ScriptedPrompt prompt;
    Session session;
    std::vector<std::uint8_t> before;
};

TEST_F(SaveCommand, WrongPasswordTwiceThenEmptyWritesNothing) {
    prompt.inputs = {"fout", "ook fout", ""};
    EXPECT_EQ(saveCommand(session, prompt), SaveOutcome::NoPassword);
    EXPECT_EQ(prompt.shown, (Texts{"fout" + kWrong, "ook fout" + kWrong, kNoPassword}));
    EXPECT_EQ(prompt.kinds.back(), MessageKind::Warning);
    EXPECT_EQ(fileBytes(personFile()), before);
    EXPECT_TRUE(session.changed);
}

TEST_F(SaveCommand, PasswordIsAskedOncePerFamilyAndDependsOnTheCode) {
    prompt.inputs = {"7341PX", "tjalko", "Tjalko"};
    EXPECT_EQ(saveCommand(session, prompt), SaveOutcome::Saved);
    EXPECT_EQ(prompt.shown, (Texts{"7341PX" + kWrong, "tjalko" + kWrong, kSaved}));
    EXPECT_FALSE(session.changed);
    EXPECT_EQ(decodePersonRecord(std::span<const std::uint8_t, kPersonRecordSize>(fileBytes(personFile()).data(),
                                                                                   kPersonRecordSize))
                  .firstNames,
              "Johannes");

    EXPECT_EQ(saveCommand(session, prompt), SaveOutcome::Saved);
    EXPECT_EQ(prompt.asked.size(), 3u) << "no second question once the password was given";

    Session other;
    addPerson(other.persons, {'m', "Jong", "Kees"});
    testing::writeFamily(other, dir.path(), "DEJONG");
    openFamily(session, prompt, "DEJONG");
    prompt.shown.clear();
    prompt.inputs = {"Tjalko", "7341PX"};
    EXPECT_EQ(saveCommand(session, prompt), SaveOutcome::Saved);
    EXPECT_EQ(prompt.shown, (Texts{"Tjalko" + kWrong, kSaved}));
}

TEST_F(SaveCommand, EmptyFamilyIsNeverWritten) {
    session.persons.setCount(0);
    EXPECT_EQ(saveCommand(session, prompt), SaveOutcome::NothingToSave);
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(fileBytes(personFile()), before);
}

TEST_F(SaveCommand, CloseQuestionCancelledKeepsEverything) {
    std::filesystem::remove(dir / "brinox.cfg");
    prompt.buttons = {Button::Cancel};
    EXPECT_FALSE(closeQuestion(session, prompt));
    EXPECT_EQ(prompt.shown, Texts{"Takkenbos-programma verlaten?"});
    EXPECT_FALSE(std::filesystem::exists(dir / "brinox.cfg"));
}

TEST_F(SaveCommand, CloseWithoutChangesWritesTheConfiguration) {
    session.changed = false;
    session.pedigreeColour = 0x0000FF;
    session.startPerson = RecordNo(2);
    session.familyCode = "ABCDEFGHIJKLMNOPQRSTUVW";
    EXPECT_TRUE(closeQuestion(session, prompt));
    const auto config = readConfigurationFile(dir / "brinox.cfg").config;
    ASSERT_TRUE(config);
    EXPECT_EQ(config->pedigreeColour, 0x0000FFu);
    EXPECT_EQ(config->startPerson, 2);
    EXPECT_EQ(config->familyCode, "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(SaveCommand, CloseWithChangesOffersToSave) {
    prompt.buttons = {Button::Ok, Button::Cancel};
    EXPECT_FALSE(closeQuestion(session, prompt));
    EXPECT_TRUE(session.changed);

    prompt.shown.clear();
    prompt.buttons = {Button::Ok, Button::No};
    EXPECT_TRUE(closeQuestion(session, prompt));
    EXPECT_EQ(prompt.shown, (Texts{"Takkenbos-programma verlaten?", "Bestand werd gewijzigd.\n\nDeze wijzigingen opslaan?",
                                   "Het bestand op disk werd niet bijgewerkt."}));
    EXPECT_FALSE(session.changed);
    EXPECT_EQ(fileBytes(personFile()), before);
}

TEST_F(SaveCommand, CloseSavesWithThePasswordOrAsksAgainWithout) {
    prompt.buttons = {Button::Ok, Button::Ok, Button::No};
    prompt.inputs = {""};
    EXPECT_FALSE(closeQuestion(session, prompt));
    EXPECT_EQ(prompt.shown.back(), "Nu toch Takkenbos-programma verlaten?");

    prompt.shown.clear();
    prompt.buttons = {Button::Ok, Button::Ok, Button::Ok};
    prompt.inputs = {""};
    EXPECT_TRUE(closeQuestion(session, prompt));
    EXPECT_EQ(prompt.shown.back(), "Het bestand op disk werd niet bijgewerkt.");
    EXPECT_EQ(fileBytes(personFile()), before);

    prompt.shown.clear();
    prompt.buttons = {Button::Ok, Button::Ok};
    prompt.inputs = {"Tjalko"};
    EXPECT_TRUE(closeQuestion(session, prompt));
    EXPECT_EQ(prompt.shown.back(), kSaved);
    EXPECT_NE(fileBytes(personFile()), before);
}

TEST_F(SaveCommand, AFailedSaveKeepsTheProgramOpenAndShowsOneReportPerFile) {
    // The person file: its own message, then the disk-error warning.
    FailingCall personFileFull(FileCall::Write, ENOSPC);
    session.fileCalls = &personFileFull;
    prompt.buttons = {Button::Ok, Button::Ok, Button::No};
    prompt.inputs = {"Tjalko"};
    EXPECT_FALSE(closeQuestion(session, prompt));
    EXPECT_EQ(prompt.shown, (Texts{"Takkenbos-programma verlaten?", "Bestand werd gewijzigd.\n\nDeze wijzigingen opslaan?",
                                   "IO-fout 28 bij schrijven van de DA1-file",
                                   "Het bestand op disk werd niet bijgewerkt.\n\nEr is een diskfout opgetreden.",
                                   "Nu toch Takkenbos-programma verlaten?"}));
    EXPECT_TRUE(session.changed);
    EXPECT_EQ(fileBytes(personFile()), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "VDORKUM" / "VDORKUM.da1.new"));

    // The union file: the generic error report alone.
    FailingCall unionFileFull(FileCall::Write, ENOSPC, 1);
    session.fileCalls = &unionFileFull;
    prompt.shown.clear();
    EXPECT_EQ(saveCommand(session, prompt), SaveOutcome::Failed);
    EXPECT_EQ(prompt.shown, Texts{"De schijf is vol.\n" + (dir / "VDORKUM" / "VDORKUM.hu1").string()});
    EXPECT_EQ(fileBytes(personFile()), before);
}

TEST_F(SaveCommand, AConfigurationThatCannotBeWrittenIsReportedOnceAndTheProgramCloses) {
    FailingCall readOnlyFolder(FileCall::Open, EACCES);
    session.fileCalls = &readOnlyFolder;
    session.changed = false;
    EXPECT_TRUE(closeQuestion(session, prompt));
    EXPECT_EQ(prompt.shown, (Texts{"Takkenbos-programma verlaten?",
                                   "De instellingen konden niet worden bewaard:\nToegang geweigerd.\n" +
                                       (dir / "brinox.cfg").string() + "\n\nHet programma wordt toch afgesloten."}));

    // The question about unsaved changes comes first; cancelling it keeps
    // the program open without a word about the settings.
    session.changed = true;
    prompt.shown.clear();
    prompt.buttons = {Button::Ok, Button::Cancel};
    EXPECT_FALSE(closeQuestion(session, prompt));
    EXPECT_EQ(prompt.shown.size(), 2u);
}

TEST_F(SaveCommand, StartPersonQuestionNamesTheSelectedPerson) {
    session.selectedPerson = RecordNo(2);
    prompt.buttons = {Button::Cancel};
    askStartPerson(session, prompt);
    EXPECT_EQ(prompt.shown, Texts{"Wilt U de nu geselecteerde persoon \n\n2 Els Smit (geb.: 1952)\n\n"
                                  "voortaan ook als geselecteerde bij het opstarten?"});
    EXPECT_EQ(session.startPerson, RecordNo(1));
    prompt.buttons = {Button::Ok};
    askStartPerson(session, prompt);
    EXPECT_EQ(session.startPerson, RecordNo(2));
}

}  // namespace
}  // namespace brinox
