// Saving must never overwrite what it did not load: another copy of the
// program, a file changed behind its back, a file set read-only. And a save
// that did not reach the disk is never reported as done.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "store/family_files.h"
#include "store/family_load.h"
#include "store/save_command.h"
#include "support/cli_run.h"
#include "support/failing_calls.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::fileBytes;
using testing::Texts;

const std::string kNotUpdated = "Het bestand op disk werd niet bijgewerkt.\n\n";

class FamilySave : public ::testing::Test {
protected:
    FamilySave() {
        Session family;
        addPerson(family.persons, {'m', "Smit", "Jan", 1950});
        addPerson(family.persons, {'v', "Smit", "Els", 1952});
        testing::writeFamily(family, dir.path(), "SMIT", 1);
        files = familyFiles(dir.path(), "SMIT");
        persons = fileBytes(files.persons);
        unions = fileBytes(files.unions);
    }

    // A session as the program opens the family, with one change made.
    Session opened(bool program = true) {
        Session s;
        s.lockWhileOpen = program;
        startSession(s, prompt, dir.path());
        s.persons.setFirstNames(RecordNo(1), "Johannes");
        s.changed = true;
        s.passwordGiven = true;
        return s;
    }

    bool untouched() const { return fileBytes(files.persons) == persons && fileBytes(files.unions) == unions; }

    testing::TempDir dir;
    testing::ScriptedPrompt prompt;
    FamilyFiles files;
    std::vector<std::uint8_t> persons, unions;
};

TEST_F(FamilySave, ASecondCopyMayReadTheFamilyButNotSaveOverIt) {
    int toChild[2], toParent[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(toParent), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {  // the first copy: opens the family and keeps it open until told
        testing::ScriptedPrompt quiet;
        Session first;
        first.lockWhileOpen = true;
        startSession(first, quiet, dir.path());
        char c = 'x';
        (void)!::write(toParent[1], &c, 1);
        (void)!::read(toChild[0], &c, 1);
        ::_exit(0);
    }
    char c;
    ASSERT_EQ(::read(toParent[0], &c, 1), 1);

    Session second = opened();
    EXPECT_EQ(prompt.shown, Texts{"De familie SMIT is al geopend in een ander exemplaar van het programma.\n\nU kunt "
                                  "haar hier bekijken, maar opbergen kan pas als dat andere exemplaar is gesloten."});
    EXPECT_EQ(second.persons.count(), 2);
    Session companion = opened(false);  // as brinox-cli opens it: no word at all
    EXPECT_EQ(prompt.shown.size(), 1u);
    for (Session* s : {&second, &companion}) {
        prompt.shown.clear();
        EXPECT_EQ(saveCommand(*s, prompt), SaveOutcome::Refused);
        EXPECT_EQ(prompt.shown, Texts{kNotUpdated + "De familie SMIT is geopend in een ander exemplaar van het "
                                                    "programma.\nSluit dat eerst en berg dan opnieuw op."});
        EXPECT_TRUE(untouched());
    }
    const auto cli = testing::runCommandLine({"--data", dir.path().string(), "resave", "--password", "7341PX"});
    EXPECT_EQ(cli.code, 2);
    EXPECT_NE(cli.err.find("is geopend in een ander exemplaar van het programma"), std::string::npos);
    EXPECT_TRUE(untouched());

    // Once the first copy has ended, the second may save, and then holds the family.
    ASSERT_EQ(::write(toChild[1], "x", 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_EQ(SaveFamily(second, prompt), SaveResult::Saved);
    prompt.shown.clear();
    EXPECT_EQ(SaveFamily(companion, prompt), SaveResult::Refused);
    for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]}) ::close(fd);
}

TEST_F(FamilySave, FilesChangedBehindItsBackAreNotOverwritten) {
    Session mine = opened(false);
    Session theirs = opened(false);
    theirs.persons.setFamilyName(RecordNo(2), "Kok");
    ASSERT_EQ(SaveFamily(theirs, prompt), SaveResult::Saved);
    const auto saved = fileBytes(files.persons);

    prompt.shown.clear();
    EXPECT_EQ(SaveFamily(mine, prompt), SaveResult::Refused);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].starts_with(kNotUpdated + "De familie SMIT werd op disk gewijzigd nadat ze werd "
                                                          "ingelezen"));
    EXPECT_EQ(fileBytes(files.persons), saved);
    EXPECT_TRUE(mine.changed);

    // Saving twice in a row is no change behind its back.
    EXPECT_EQ(SaveFamily(theirs, prompt), SaveResult::Saved);
    std::filesystem::remove(files.unions);
    EXPECT_EQ(SaveFamily(theirs, prompt), SaveResult::Refused) << "a file removed is a change too";
}

TEST_F(FamilySave, ReadOnlyFilesStayAsTheyAreAndLinksAndPermissionsAreKept) {
    namespace fs = std::filesystem;
    fs::permissions(files.unions, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Session s = opened();
    EXPECT_EQ(saveCommand(s, prompt), SaveOutcome::Refused);
    EXPECT_EQ(prompt.shown.back(), kNotUpdated + files.unions.string() + "\nis alleen-lezen.");
    EXPECT_TRUE(untouched());
    EXPECT_EQ(fs::status(files.unions).permissions(), fs::perms(0444));

    // The union file kept elsewhere behind a link, the person file private.
    fs::create_directory(dir / "elders");
    fs::rename(files.unions, dir / "elders" / "smit.hu1");
    fs::permissions(dir / "elders" / "smit.hu1", fs::perms(0644));
    fs::create_symlink("../elders/smit.hu1", files.unions);
    fs::permissions(files.persons, fs::perms(0640));
    s = opened();
    EXPECT_EQ(SaveFamily(s, prompt), SaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(files.unions));
    EXPECT_EQ(fileBytes(dir / "elders" / "smit.hu1"), encodeUnionFile(s.unions));
    EXPECT_EQ(fs::status(files.persons).permissions(), fs::perms(0640));
    EXPECT_EQ(fileBytes(files.persons), encodePersonFile(s.persons));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "elders"), fs::directory_iterator()), 1)
        << "nothing left beside the linked file";
}

TEST_F(FamilySave, AMoveIntoPlaceThatIsRefusedIsReportedAndTakenBack) {
    Session s = opened();
    testing::FailingCall stickyFolder(FileCall::Rename, EPERM);
    s.fileCalls = &stickyFolder;
    EXPECT_EQ(saveCommand(s, prompt), SaveOutcome::Failed);
    EXPECT_EQ(prompt.shown, Texts{"Het opbergen kon niet worden afgemaakt:\nToegang geweigerd.\n" +
                                  files.persons.string() +
                                  "\n\nHet bestand op disk werd niet bijgewerkt; de familie op disk is zoals ze was."});
    EXPECT_TRUE(s.changed);
    EXPECT_TRUE(untouched());
    EXPECT_FALSE(std::filesystem::exists(files.marker));

    s.fileCalls = &systemFileCalls();
    Session again;
    startSession(again, prompt, dir.path());
    EXPECT_TRUE(again.saveRefusal.empty()) << "the family on disk is whole and may be saved";
}

}  // namespace
}  // namespace brinox
