#include "store/family_load.h"

#include <algorithm>

#include <variant>

#include "store/arrange_journal.h"
#include "store/case_insensitive_files.h"
#include "store/config_file.h"
#include "store/family_code.h"
#include "store/family_files.h"
#include "store/io_errors.h"

namespace brinox {
namespace {

const char* const kNoFamilyFile = "Er is nog geen familie-bestand aanwezig";
const char* const kNotUpdated = "Het bestand op disk werd niet bijgewerkt.\n\n";

void applyConfiguration(Session& session, const Configuration& config) {
    session.pedigreeColour = config.pedigreeColour;
    session.childrenColour = config.childrenColour;
    session.photoBackground = config.photoBackground;
    // The frame window offers 0..30; a damaged file must not draw a frame
    // thousands of pixels wide.
    session.frameBorderWidth = std::min(config.frameBorderWidth, kMaxFrameWidth);
    session.frameBevelWidth = std::min(config.frameBevelWidth, kMaxFrameWidth);
    session.startPerson = RecordNo(config.startPerson);
    session.selectedPerson = RecordNo(config.startPerson);
    // A code that cannot name a folder (a path, say) is not followed.
    const std::string code = normalFamilyCode(config.familyCode);
    if (!familyCodeRefusal(code)) session.familyCode = code;
}

std::string overflowWarning(bool persons, bool unions) {
    std::string what;
    if (persons) what += "meer dan 600 personen";
    if (persons && unions) what += " en ";
    if (unions) what += "meer dan 400 verbintenissen";
    return "Dit familiebestand bevat " + what +
           ".\nAlleen wat past is ingelezen.\n\nOpbergen is daarom niet mogelijk: "
           "het bestand op disk blijft zoals het is.";
}

std::string tooMuchRefusal() {
    return std::string(kNotUpdated) +
           "Het bevat meer personen of verbintenissen dan dit programma kan inlezen;\nopbergen zou die wissen.";
}

std::string unreadableRefusal(const std::string& which) {
    return std::string(kNotUpdated) + "Het " + which + " van deze familie kon niet worden gelezen;\n" +
           "opbergen zou het wissen. Verhelp eerst de fout en kies de familie dan opnieuw met \"Andere familie\".";
}

std::string unfinishedSaveRefusal() {
    return std::string(kNotUpdated) +
           "Een eerder opbergen van deze familie kon niet worden afgemaakt.\nVerhelp eerst de fout die bij het "
           "inlezen werd gemeld en kies de familie dan opnieuw met \"Andere familie\".";
}

// The program keeps the family it opens locked, so that a second copy
// cannot save over it; that copy may still read it. The command-line
// companion holds the lock only while it loads. Answers whether this
// process may finish an interrupted save: not while another one holds the
// lock, as it may be saving right now.
bool lockFamily(Session& session, Prompt& prompt, const FamilyFiles& files) {
    auto [outcome, lock] = FamilyLock::take(files.lock, session.lockWhileOpen);
    session.familyLock = std::move(lock);
    if (outcome != FamilyLock::Outcome::HeldElsewhere) return true;
    if (session.lockWhileOpen) {
        inform(prompt, "De familie " + session.familyCode +
                           " is al geopend in een ander exemplaar van het programma.\n\n"
                           "U kunt haar hier bekijken, maar opbergen kan pas als dat andere exemplaar is gesloten.");
    }
    return false;
}

// A clean slate before anything is read: nothing of the family open before
// may linger, or a later save would hand it to this one.
void startEmpty(Session& session) {
    session.persons.clear();
    session.unions.reset();
    session.changed = false;
    session.passwordGiven = false;
    session.saveRefusal.clear();
    session.onDisk = FamilyStamp{};
    session.familyLock.reset();
    session.selection.restart(session.selectedPerson);
    session.photoRestart = true;
    session.albumPageOffset = 0;
}

}  // namespace

void readStartConfiguration(Session& session, const std::filesystem::path& dataDirectory) {
    session.dataDirectory = dataDirectory;
    const auto config = readConfigurationFile(resolveIgnoringCase(dataDirectory, "brinox.cfg"));
    if (config.exists) {
        session.familyCode.clear();
        if (config.config) applyConfiguration(session, *config.config);
        if (session.familyCode.empty()) session.familyCode = kDefaultFamilyCode;
    }
}

void startSession(Session& session, Prompt& prompt, const std::filesystem::path& dataDirectory) {
    readStartConfiguration(session, dataDirectory);
    if (session.selectedPerson.isNone()) session.selectedPerson = RecordNo(1);
    LoadFamily(session, prompt);
    // A start person the family no longer holds (deleted since, or another
    // family's) would show an empty pedigree: begin at the first person.
    if (session.selectedPerson.value > session.persons.count() && session.persons.count() > 0) {
        session.selectedPerson = RecordNo(1);
        session.selection.restart(session.selectedPerson);
    }
}

void fillTables(Session& session, PersonFileContent persons, const UnionFileContent& unions) {
    session.persons.clear();
    for (std::size_t i = 0; i < persons.records.size(); ++i) {
        session.persons.putRecord(RecordNo(static_cast<int>(i) + 1), std::move(persons.records[i]));
    }
    session.persons.setCount(static_cast<int>(persons.records.size()));
    session.unions.reset();
    for (std::size_t i = 0; i < unions.unions.size(); ++i) session.unions[static_cast<int>(i) + 1] = unions.unions[i];
}

bool LoadFamily(Session& session, Prompt& prompt) {
    startEmpty(session);
    if (session.familyCode.empty()) {
        inform(prompt, kNoFamilyFile);
        return false;
    }
    FileCalls& calls = *session.fileCalls;
    const auto files = familyFiles(session.dataDirectory, session.familyCode);
    const FilePair pair = savePair(files);
    const bool mayRecover = lockFamily(session, prompt, files);
    if (mayRecover) {
        if (const int error = finishInterruptedSave(pair, calls)) {
            reportIoError(prompt, error, files.persons);
            session.saveRefusal = unfinishedSaveRefusal();
            return false;
        }
        // The photos are no part of the tables: a photo arrangement that
        // cannot be finished is reported, and the family loads all the same.
        if (const auto failure = finishInterruptedArrange(files, calls)) {
            reportIoError(prompt, failure->error, failure->file);
        }
    }
    if (!session.lockWhileOpen) session.familyLock.reset();

    const auto personBytes = readCurrent(pair, pair.first, kPersonFileLimit, calls);
    const auto unionBytes = readCurrent(pair, pair.second, kUnionFileLimit, calls);
    if (const auto* failure = std::get_if<ReadError>(&personBytes)) {
        if (failure->problem != ReadProblem::Missing) {
            reportReadError(prompt, *failure, files.persons);
            session.saveRefusal = unreadableRefusal("personenbestand");
            return false;
        }
        inform(prompt, kNoFamilyFile);
        if (const auto* found = std::get_if<FileBytes>(&unionBytes)) session.onDisk.unions = stampOf(found->bytes);
        return false;
    }
    const auto& personFile = std::get<FileBytes>(personBytes);
    session.onDisk.persons = stampOf(personFile.bytes);
    auto persons = decodePersonFile(personFile.bytes);
    persons.overflow = persons.overflow || personFile.beyondLimit;

    if (const auto* failure = std::get_if<ReadError>(&unionBytes)) {
        fillTables(session, std::move(persons), {});
        reportReadError(prompt, *failure, files.unions);
        // A union file that exists but cannot be read must not be replaced
        // by the empty table a save would write.
        if (failure->problem != ReadProblem::Missing) session.saveRefusal = unreadableRefusal("verbintenissenbestand");
        return false;
    }
    const auto& unionFile = std::get<FileBytes>(unionBytes);
    session.onDisk.unions = stampOf(unionFile.bytes);
    auto unions = decodeUnionFile(unionFile.bytes);
    unions.overflow = unions.overflow || unionFile.beyondLimit;
    const bool tooManyPersons = persons.overflow;
    fillTables(session, std::move(persons), unions);
    if (tooManyPersons || unions.overflow) {
        warn(prompt, overflowWarning(tooManyPersons, unions.overflow));
        session.saveRefusal = tooMuchRefusal();
    }
    return true;
}

}  // namespace brinox
