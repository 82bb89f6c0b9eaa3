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
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::fileBytes;
using testing::writeBytes;

constexpr int kStopped = 77;  // exit status of a child stopped on purpose

// Acts at file call number `at`. Without an error it ends the process right
// before that call, as a crash at that moment would: nothing after it
// happens, nothing is cleaned up. With one it fails that call, as a disk that
// fills up at that moment would. Every other call goes through.
class TroubleAtCall : public FileCalls {
public:
    explicit TroubleAtCall(int at, int error = 0) : m_at(at), m_error(error) {}
    bool reached() const { return m_calls >= m_at; }

protected:
    int before(FileCall) override {
        if (++m_calls != m_at) return 0;
        if (m_error == 0) ::_exit(kStopped);
        return m_error;
    }

private:
    int m_at, m_error, m_calls = 0;
};

// Runs `work` in a child process; answers its exit status, or minus the
// signal that ended it.
int inChild(const std::function<int()>& work) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(work());
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

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
        for (Session* version : {&before, &after}) {
            version->dataDirectory = dir.path();
            version->familyCode = kCode;
            version->changed = true;
        }
        files = familyFiles(dir.path(), kCode);
        oldPersons = fileBytes(files.persons);
        oldUnions = fileBytes(files.unions);
        newPersons = encodePersonFile(after.persons);
        newUnions = encodeUnionFile(after.unions);
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

    const std::set<std::string> kJustThePair{"SMIT.da1", "SMIT.hu1"};

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
            for (int n = 0;; ++n) {
                if (SaveFamily(n % 2 == 0 ? after : before, quiet) != SaveResult::Saved) ::_exit(1);
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

TEST_F(SaveCrash, AFullDiskAtAnyCallIsReportedAndLeavesOneWholeFamily) {
    const std::string personFileMessage = "IO-fout 28 bij schrijven van de DA1-file";
    const std::string unionFileReport = "De schijf is vol.\n" + files.unions.string();
    const std::string commitReport = "De schijf is vol.\n" + files.persons.string();
    std::set<std::string> messages;
    int failuresAfterCommit = 0;

    for (int failAt = 1;; ++failAt) {
        ASSERT_LT(failAt, 200) << "the save never finished";
        restoreOldFamily();
        Session s = after;
        TroubleAtCall disk(failAt, ENOSPC);
        s.fileCalls = &disk;
        testing::ScriptedPrompt prompt;
        const bool saved = SaveFamily(s, prompt) == SaveResult::Saved;
        SCOPED_TRACE("call " + std::to_string(failAt) + " failed");
        if (saved) {
            // Past the commit the save stands: nothing to report, and the
            // next start puts whatever was left half done in place.
            EXPECT_FALSE(s.changed);
            EXPECT_TRUE(prompt.shown.empty());
            EXPECT_EQ(loadAsAtStart(), Found::New);
            EXPECT_EQ(familyFolder(), kJustThePair);
            if (!disk.reached()) break;  // no call failed: the save ran to its end
            ++failuresAfterCommit;
            continue;
        }
        EXPECT_TRUE(s.changed);
        ASSERT_EQ(prompt.shown.size(), 1u);
        const std::string& shown = prompt.shown[0];
        messages.insert(shown);
        EXPECT_TRUE(shown == personFileMessage || shown == unionFileReport || shown == commitReport) << shown;
        EXPECT_EQ(prompt.kinds[0], shown == personFileMessage ? MessageKind::Information : MessageKind::Error);

        // A save that fails before it was committed leaves the old files
        // exactly as they were, with nothing beside them.
        EXPECT_EQ(onDisk(), Found::Old);
        EXPECT_EQ(familyFolder(), kJustThePair);
        EXPECT_EQ(loadAsAtStart(), Found::Old);

        // The tables were kept, so trying again at once, on a disk with
        // room again, saves them.
        s.fileCalls = &systemFileCalls();
        EXPECT_EQ(SaveFamily(s, prompt), SaveResult::Saved);
        EXPECT_FALSE(s.changed);
        EXPECT_EQ(onDisk(), Found::New);
        EXPECT_EQ(familyFolder(), kJustThePair);
    }
    EXPECT_GT(failuresAfterCommit, 0);
    EXPECT_TRUE(messages.count(personFileMessage));
    EXPECT_TRUE(messages.count(unionFileReport));
}

}  // namespace
}  // namespace brinox
