#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
using testing::addUnion;
using testing::FailingCall;
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

    Configuration wideFrame{1, 2, 3, 31, 65535, 2, "VDORKUM"};
    bytes = encodeConfiguration(wideFrame);
    writeBytes(dir / "brinox.cfg", {bytes.begin(), bytes.end()});
    EXPECT_EQ(loaded().frameBorderWidth, 30);
    EXPECT_EQ(loaded().frameBevelWidth, 30);

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

// What a folder may hold in place of a file the program reads at start.
enum class Hostile { NamedPipe, LinkToEndlessDevice, TwoGigabytes };

void putInPlace(const std::filesystem::path& path, Hostile what) {
    std::filesystem::remove(path);
    switch (what) {
        case Hostile::NamedPipe: ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); break;
        case Hostile::LinkToEndlessDevice: std::filesystem::create_symlink("/dev/zero", path); break;
        case Hostile::TwoGigabytes:
            testing::writeBytes(path, {});
            std::filesystem::resize_file(path, 2ull << 30);  // sparse: no disk space taken
            break;
    }
}

TEST_F(FamilyLoad, APipeADeviceOrAGiantInPlaceOfAFileIsNeverReadWithoutEnd) {
    const std::string notAFile = "Dit is geen gewoon bestand.\n";
    struct Case {
        std::string file;
        Hostile what;
        int persons;            // count after the start
        std::string firstText;  // the first message, or its start
        bool saveRefused;
    };
    const Case cases[] = {
        {"VDORKUM/VDORKUM.da1", Hostile::NamedPipe, 0, notAFile, true},
        {"VDORKUM/VDORKUM.da1", Hostile::LinkToEndlessDevice, 0, notAFile, true},
        {"VDORKUM/VDORKUM.da1", Hostile::TwoGigabytes, 600, "Dit familiebestand bevat meer dan 600 personen", true},
        {"VDORKUM/VDORKUM.hu1", Hostile::NamedPipe, 5, notAFile, true},
        {"VDORKUM/VDORKUM.hu1", Hostile::LinkToEndlessDevice, 5, notAFile, true},
        {"VDORKUM/VDORKUM.hu1", Hostile::TwoGigabytes, 5, "Dit familiebestand bevat meer dan 400 verbintenissen", true},
        {"brinox.cfg", Hostile::NamedPipe, 5, "", false},
        {"brinox.cfg", Hostile::LinkToEndlessDevice, 5, "", false},
        {"brinox.cfg", Hostile::TwoGigabytes, 5, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " " + std::to_string(static_cast<int>(c.what)));
        testing::writeFamily(family, dir.path(), "VDORKUM", 3);
        putInPlace(dir / c.file, c.what);
        prompt.shown.clear();
        Session s = loaded();
        EXPECT_EQ(s.familyCode, "VDORKUM");
        EXPECT_EQ(s.persons.count(), c.persons);
        EXPECT_EQ(prompt.shown.empty() ? "" : prompt.shown[0].substr(0, c.firstText.size()), c.firstText);
        EXPECT_EQ(s.saveRefusal.empty(), !c.saveRefused);
        std::filesystem::remove(dir / c.file);
    }
}

TEST_F(FamilyLoad, AnUnreadablePersonFileLeavesEmptyTablesAndIsNeverSavedOver) {
    const auto persons = fileBytes(file("VDORKUM.da1"));
    const auto unions = fileBytes(file("VDORKUM.hu1"));
    FailingCall readError(FileCall::Read, EIO);
    FailingCall noAccess(FileCall::Open, EACCES);
    for (FileCalls* calls : {static_cast<FileCalls*>(&readError), static_cast<FileCalls*>(&noAccess)}) {
        // Another family open before, with a password given and changes made.
        Session s = loaded();
        s.passwordGiven = true;
        s.changed = true;
        s.fileCalls = calls;
        prompt = testing::ScriptedPrompt{};
        openFamily(s, prompt, "VDORKUM");
        ASSERT_EQ(prompt.kinds, std::vector<MessageKind>{MessageKind::Error});
        EXPECT_EQ(prompt.shown[0], std::string(calls == &readError ? "Lees- of schrijffout op de schijf"
                                                                   : "Toegang geweigerd") +
                                       ".\n" + file("VDORKUM.da1").string());
        EXPECT_EQ(s.persons.count(), 0);
        EXPECT_FALSE(s.unions[1].inUse()) << "nothing of the family open before";
        EXPECT_FALSE(s.passwordGiven);
        EXPECT_FALSE(s.changed);

        // Whatever the user enters now cannot replace the family on disk.
        s.fileCalls = &systemFileCalls();
        addPerson(s.persons, {'m', "Nieuw", "Jan"});
        prompt = testing::ScriptedPrompt{};
        prompt.inputs = {"Tjalko"};
        EXPECT_EQ(saveCommand(s, prompt), SaveOutcome::Refused);
        EXPECT_NE(prompt.shown.at(0).find("personenbestand van deze familie kon niet worden gelezen"), std::string::npos);
        EXPECT_EQ(fileBytes(file("VDORKUM.da1")), persons);
        EXPECT_EQ(fileBytes(file("VDORKUM.hu1")), unions);
    }
    if (::geteuid() != 0) {  // the super-user reads any file
        std::filesystem::permissions(file("VDORKUM.da1"), std::filesystem::perms::none);
        prompt = testing::ScriptedPrompt{};
        EXPECT_EQ(loaded().persons.count(), 0);
        EXPECT_EQ(prompt.kinds, std::vector<MessageKind>{MessageKind::Error});
        std::filesystem::permissions(file("VDORKUM.da1"), std::filesystem::perms::owner_all);
    }
}

TEST_F(FamilyLoad, EveryLoadClearsTheFlagsAlsoWhenTheUnionFileIsMissing) {
    Session s = loaded();
    s.passwordGiven = true;
    s.changed = true;
    std::filesystem::remove(file("VDORKUM.hu1"));
    EXPECT_FALSE(LoadFamily(s, prompt));
    EXPECT_FALSE(s.passwordGiven) << "the password of the family before must be asked again";
    EXPECT_FALSE(s.changed);
}

TEST_F(FamilyLoad, ASaveThatCannotBeFinishedKeepsTheFamilyFromBeingLoadedOrSavedOver) {
    // A save was committed, and its person file is still waiting to be put in place.
    Session newer = family;
    addPerson(newer.persons, {'v', "Dorkum", "Nieuw"});
    const auto waiting = encodePersonFile(newer.persons);
    writeBytes(file("VDORKUM.da1.new"), waiting);
    writeBytes(file("VDORKUM.saving"), {});
    const auto old = fileBytes(file("VDORKUM.da1"));

    FailingCall diskError(FileCall::Rename, EIO);
    Session s;
    s.fileCalls = &diskError;
    startSession(s, prompt, dir.path());
    EXPECT_EQ(prompt.shown, Texts{"Lees- of schrijffout op de schijf.\n" + file("VDORKUM.da1").string()});
    EXPECT_EQ(s.persons.count(), 0) << "new persons with old unions would be a torn family";
    addPerson(s.persons, {'m', "Dorkum", "Jan"});
    s.passwordGiven = true;
    EXPECT_EQ(saveCommand(s, prompt), SaveOutcome::Refused);
    EXPECT_EQ(fileBytes(file("VDORKUM.da1")), old);

    s.fileCalls = &systemFileCalls();
    EXPECT_TRUE(LoadFamily(s, prompt)) << "once the disk works again the save is finished";
    EXPECT_EQ(s.persons.count(), 6);
    EXPECT_EQ(fileBytes(file("VDORKUM.da1")), waiting);
    EXPECT_TRUE(s.saveRefusal.empty());
}

TEST_F(FamilyLoad, FamilyCodesAreUpperCaseAndNoFamilyMeansNoFiles) {
    auto bytes = encodeConfiguration(defaultConfiguration("vdorkum", 1));
    writeBytes(dir / "brinox.cfg", {bytes.begin(), bytes.end()});
    Session s = loaded();
    EXPECT_EQ(s.familyCode, "VDORKUM");
    EXPECT_EQ(familyPassword(s.familyCode), "Tjalko");

    // A first start on an empty folder: nothing can be saved, and no file
    // is made without a family to hold it.
    testing::TempDir empty;
    Session none;
    startSession(none, prompt, empty.path());
    addPerson(none.persons, {'m', "Smit", "Jan"});
    none.changed = true;
    prompt.shown.clear();
    EXPECT_EQ(saveCommand(none, prompt), SaveOutcome::Refused);
    EXPECT_EQ(prompt.shown, Texts{"Er is nog geen familie gekozen.\n\nKies eerst een familie, of maak een nieuwe, met "
                                  "\"Andere familie\" in het menu Bestand."});
    EXPECT_TRUE(std::filesystem::is_empty(empty.path()));
}

}  // namespace
}  // namespace brinox
