// A save may be cut short anywhere: by a crash, a kill, a power cut or a
// full disk. Whatever moment it is, the family found at the next start must
// be the one before the save or the one saved, both files whole and
// belonging together, and nothing half written may be left lying about.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "store/family_files.h"
#include "store/family_load.h"
#include "store/safe_save.h"
#include "store/save_command.h"
#include "support/failing_calls.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::fileBytes;
using testing::writeBytes;
using testing::inChild;
using testing::kStopped;
using testing::TroubleAtCall;

enum class Found { Old, New, Broken };

class SaveCrash : public ::testing::Test {
protected:
    static constexpr const char* kCode = "SMIT";

    SaveCrash() {
        // The family as it is on disk: three persons, one marriage.
        const RecordNo jan = addPerson(before.persons, {'m', "Smit", "Jan", 1920});
        const RecordNo els = addPerson(before.persons, {'v', "Bakker", "Els", 1922});
        addPerson(before.persons, {'m', "Smit", "Piet", 1950, 0, 0, jan.value, els.value});
        addUnion(before.unions, jan, els);

        // The family as the save writes it: more persons with long names and
        // other unions, so that no file of one version could pass for the other.
        for (int i = 0; i < 40; ++i) {
            addPerson(after.persons, {i % 2 == 0 ? 'm' : 'v', "van der Hoeven-Smitsma " + std::to_string(i),
                                      "Johannes Wilhelmus Theodorus " + std::to_string(i), 1900 + i});
        }
        for (int i = 1; i + 1 <= 40; i += 2) addUnion(after.unions, RecordNo(i), RecordNo(i + 1), i % 4 == 1);

        testing::writeFamily(before, dir.path(), kCode);
        files = familyFiles(dir.path(), kCode);
        oldPersons = fileBytes(files.persons);
        oldUnions = fileBytes(files.unions);
        newPersons = encodePersonFile(after.persons);
        newUnions = encodeUnionFile(after.unions);
        for (Session* version : {&before, &after}) {
            version->dataDirectory = dir.path();
            version->familyCode = kCode;
            version->changed = true;
            // Both versions start from the family as it is on disk.
            version->onDisk = {stampOf(oldPersons), stampOf(oldUnions)};
        }
    }

    // The family folder holding only the old pair again.
    void restoreOldFamily() {
        std::filesystem::remove_all(files.directory);
        std::filesystem::create_directory(files.directory);
        writeBytes(files.persons, oldPersons);
        writeBytes(files.unions, oldUnions);
    }

    // Loads the family as the next start does, which finishes or undoes an
    // interrupted save; the loaded tables must match the files on disk.
    Found loadAsAtStart() {
        Session s;
        s.dataDirectory = dir.path();
        s.familyCode = kCode;
        testing::ScriptedPrompt prompt;
        EXPECT_TRUE(LoadFamily(s, prompt));
        EXPECT_EQ(prompt.shown, testing::Texts{});
        const Found found = onDisk();
        if (found != Found::Broken) {
            EXPECT_EQ(s.persons.count(), (found == Found::Old ? before : after).persons.count());
        }
        return found;
    }

    Found onDisk() const {
        const auto persons = fileBytes(files.persons);
        const auto unions = fileBytes(files.unions);
        if (persons == oldPersons && unions == oldUnions) return Found::Old;
        if (persons == newPersons && unions == newUnions) return Found::New;
        return Found::Broken;
    }

    std::set<std::string> familyFolder() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(files.directory)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    // Saves the new version in a child process that ends right before file
    // call `stopAt`; answers kStopped, or 0 when the save got to its end.
    int saveStoppedAt(int stopAt) const {
        return inChild([&] {
            TroubleAtCall calls(stopAt);
            Session s = after;
            s.fileCalls = &calls;
            testing::ScriptedPrompt prompt;
            return SaveFamily(s, prompt) == SaveResult::Saved ? 0 : 1;
        });
    }

    // The lock file stays: it is how two copies of the program keep off each other's saves.
    const std::set<std::string> kJustThePair{"SMIT.da1", "SMIT.hu1", "SMIT.lck"};

    testing::TempDir dir;
    Session before;
    Session after;
    FamilyFiles files;
    std::vector<std::uint8_t> oldPersons, oldUnions, newPersons, newUnions;
};

TEST_F(SaveCrash, StopBeforeAnyFileCallLeavesTheOldOrTheNewFamilyWhole) {
    int firstNew = 0;
    int stopAt = 1;
    for (;; ++stopAt) {
        ASSERT_LT(stopAt, 200) << "the save never finished";
        restoreOldFamily();
        const int status = saveStoppedAt(stopAt);
        ASSERT_TRUE(status == kStopped || status == 0) << "stop before call " << stopAt << ": status " << status;

        const Found found = loadAsAtStart();
        ASSERT_NE(found, Found::Broken) << "stop before call " << stopAt;
        EXPECT_EQ(familyFolder(), kJustThePair) << "stop before call " << stopAt;
        if (found == Found::New && firstNew == 0) firstNew = stopAt;
        // Once a stop gives the new family, every later stop must too: a
        // save that was taken back after being committed would lose it.
        if (firstNew != 0) {
            EXPECT_EQ(found, Found::New) << "stop before call " << stopAt;
        }
        if (status == 0) break;
    }
    EXPECT_EQ(onDisk(), Found::New) << "the completed save";
    EXPECT_GT(firstNew, 1) << "a stop at the very first call must keep the old family";
    EXPECT_LT(firstNew, stopAt) << "some stop before the end must already give the new family";
}

TEST_F(SaveCrash, StopDuringTheRecoveryOfAStoppedSaveIsRecoveredByTheNextStart) {
    for (int saveStop = 1;; ++saveStop) {
        ASSERT_LT(saveStop, 200) << "the save never finished";
        restoreOldFamily();
        const int saveStatus = saveStoppedAt(saveStop);
        ASSERT_TRUE(saveStatus == kStopped || saveStatus == 0) << "save stopped before call " << saveStop;
        if (saveStatus == 0) break;

        // What the stopped save left behind, to start each recovery from.
        std::map<std::string, std::vector<std::uint8_t>> leftBehind;
        for (const auto& name : familyFolder()) leftBehind[name] = fileBytes(files.directory / name);
        const Found expected = loadAsAtStart();
        ASSERT_NE(expected, Found::Broken) << "save stopped before call " << saveStop;

        for (int recoveryStop = 1;; ++recoveryStop) {
            ASSERT_LT(recoveryStop, 50) << "the recovery never finished";
            std::filesystem::remove_all(files.directory);
            std::filesystem::create_directory(files.directory);
            for (const auto& [name, bytes] : leftBehind) writeBytes(files.directory / name, bytes);
            const int status = inChild([&] {
                TroubleAtCall calls(recoveryStop);
                return finishInterruptedSave(savePair(files), calls) == 0 ? 0 : 1;
            });
            SCOPED_TRACE("save stopped before call " + std::to_string(saveStop) + ", its recovery before call " +
                         std::to_string(recoveryStop));
            ASSERT_TRUE(status == kStopped || status == 0);
            EXPECT_EQ(loadAsAtStart(), expected);
            EXPECT_EQ(familyFolder(), kJustThePair);
            if (status == 0) break;
        }
    }
}

TEST_F(SaveCrash, KillsAtRandomMomentsOfRepeatedSavesLeaveOneWholeFamily) {
    std::mt19937 random(20240607);
    int unfinished = 0;
    for (int round = 0; round < 25; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {  // saves the two versions in turn until killed
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            testing::ScriptedPrompt quiet;
            // Each save finds on disk what the one before it wrote.
            FamilyStamp found = std::get<FamilyStamp>(stampOnDisk(files, systemFileCalls()));
            for (int n = 0;; ++n) {
                Session& version = n % 2 == 0 ? after : before;
                version.onDisk = found;
                if (SaveFamily(version, quiet) != SaveResult::Saved) ::_exit(1);
                found = version.onDisk;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 5000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself with status " << WEXITSTATUS(status);

        if (familyFolder() != kJustThePair) ++unfinished;
        ASSERT_NE(loadAsAtStart(), Found::Broken) << "kill in round " << round;
        EXPECT_EQ(familyFolder(), kJustThePair) << "kill in round " << round;
    }
    EXPECT_GT(unfinished, 0) << "saving is all the child does, so kills cut saves short";
}

TEST_F(SaveCrash, AFailureOfAnyCallIsReportedAndTheMessageTellsWhatIsOnDisk) {
    const std::string keptOld = "de familie op disk is zoals ze was.";
    const std::string keptNew = "berg dan opnieuw op, of start het programma opnieuw.";
    std::set<std::string> outcomes;
    for (int failAt = 1;; ++failAt) {
        ASSERT_LT(failAt, 200) << "the save never finished";
        restoreOldFamily();
        Session s = after;
        TroubleAtCall disk(failAt, ENOSPC);
        s.fileCalls = &disk;
        testing::ScriptedPrompt prompt;
        const SaveResult result = SaveFamily(s, prompt);
        SCOPED_TRACE("call " + std::to_string(failAt) + " failed");
        if (!disk.reached()) {
            EXPECT_EQ(result, SaveResult::Saved);
            EXPECT_EQ(onDisk(), Found::New);
            break;
        }
        // No call may fail unnoticed: a save is done only when it all went through.
        ASSERT_NE(result, SaveResult::Saved);
        EXPECT_TRUE(s.changed);
        ASSERT_EQ(prompt.shown.size(), 1u);
        const std::string& shown = prompt.shown[0];
        const bool committed = shown.ends_with(keptNew);
        if (!committed) {
            EXPECT_EQ(onDisk(), Found::Old) << shown;
        }
        EXPECT_EQ(loadAsAtStart(), committed ? Found::New : Found::Old) << shown;
        EXPECT_EQ(familyFolder(), kJustThePair);
        outcomes.insert(committed ? "left committed" : shown.ends_with(keptOld) ? "taken back" : "before the commit");

        // The tables were kept, so trying again at once, on a disk with
        // room again, saves them.
        restoreOldFamily();
        s.onDisk = after.onDisk;
        s.fileCalls = &systemFileCalls();
        EXPECT_EQ(SaveFamily(s, prompt), SaveResult::Saved);
        EXPECT_FALSE(s.changed);
        EXPECT_EQ(onDisk(), Found::New);
    }
    EXPECT_EQ(outcomes, (std::set<std::string>{"before the commit", "taken back", "left committed"}));
}

// Records the order of the calls a save makes.
class CallLog : public FileCalls {
public:
    std::string calls;

protected:
    int before(FileCall call) override {
        static const char* const kNames[] = {"open",  "read",   "stat",   "write",  "chmod",
                                             "sync",  "close",  "rename", "unlink", "syncdir", "link"};
        calls += std::string(calls.empty() ? "" : " ") + kNames[static_cast<int>(call)];
        return 0;
    }
};

TEST_F(SaveCrash, EachNewFileIsFlushedBeforeTheCommitAndTheFolderAfterEveryStep) {
    CallLog log;
    ASSERT_FALSE(replaceFilePair(savePair(files), newPersons, newUnions, log));
    EXPECT_EQ(log.calls,
              "open chmod write sync close "  // the new person file, with the old one's permissions
              "open chmod write sync close "  // the new union file
              "open sync close syncdir "      // the marker commits the pair
              "rename rename syncdir "        // both files in place
              "unlink syncdir");              // the marker gone
    EXPECT_EQ(onDisk(), Found::New);
}

}  // namespace
}  // namespace brinox
