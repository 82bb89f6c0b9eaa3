#include "store/family_load.h"

#include <cerrno>
#include <variant>

#include "store/case_insensitive_files.h"
#include "store/config_file.h"
#include "store/family_code.h"
#include "store/family_files.h"
#include "store/io_errors.h"

namespace brinox {
namespace {

void applyConfiguration(Session& session, const Configuration& config) {
    session.pedigreeColour = config.pedigreeColour;
    session.childrenColour = config.childrenColour;
    session.photoBackground = config.photoBackground;
    session.frameBorderWidth = config.frameBorderWidth;
    session.frameBevelWidth = config.frameBevelWidth;
    session.startPerson = RecordNo(config.startPerson);
    session.selectedPerson = RecordNo(config.startPerson);
    // A code that cannot name a folder (a path, say) is not followed.
    if (!familyCodeRefusal(config.familyCode)) session.familyCode = config.familyCode;
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

const char* const kSaveRefusal =
    "Het bestand op disk werd niet bijgewerkt.\n\nHet bevat meer personen of verbintenissen dan dit programma "
    "kan inlezen;\nopbergen zou die wissen.";

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

bool LoadFamily(Session& session, Prompt& prompt) {
    const auto files = familyFiles(session.dataDirectory, session.familyCode);
    if (const int error = finishInterruptedSave(files.pair())) reportIoError(prompt, error, files.persons);

    auto persons = readPersonFile(files.persons);
    if (const auto* failure = std::get_if<ReadError>(&persons)) {
        if (failure->opening) {
            inform(prompt, "Er is nog geen familie-bestand aanwezig");
            // Nothing of another family may linger, or a later save would
            // hand its unions to this one.
            session.persons.clear();
            session.unions.reset();
        } else {
            inform(prompt, "IO-fout " + std::to_string(failure->error));
        }
        return false;
    }
    auto& content = std::get<PersonFileContent>(persons);
    session.persons.clear();
    for (std::size_t i = 0; i < content.records.size(); ++i) {
        session.persons.putRecord(RecordNo(static_cast<int>(i) + 1), std::move(content.records[i]));
    }
    session.persons.setCount(static_cast<int>(content.records.size()));

    session.unions.reset();
    const auto unions = readUnionFile(files.unions);
    if (const auto* failure = std::get_if<ReadError>(&unions)) {
        reportIoError(prompt, failure->error, files.unions);
        // A union file that exists but cannot be read must not be replaced
        // by the empty table a save would write.
        session.saveRefusal = failure->error == ENOENT ? "" : kSaveRefusal;
        return false;
    }
    const auto& found = std::get<UnionFileContent>(unions);
    for (std::size_t i = 0; i < found.unions.size(); ++i) session.unions[static_cast<int>(i) + 1] = found.unions[i];

    session.saveRefusal.clear();
    if (content.overflow || found.overflow) {
        warn(prompt, overflowWarning(content.overflow, found.overflow));
        session.saveRefusal = kSaveRefusal;
    }
    session.changed = false;
    session.passwordGiven = false;
    session.selection.restart(session.selectedPerson);
    session.photoRestart = true;
    return true;
}

}  // namespace brinox
