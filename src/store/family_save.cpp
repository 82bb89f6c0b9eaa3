#include "store/family_save.h"

#include <variant>

#include "store/family_files.h"
#include "store/family_stamp.h"
#include "store/io_errors.h"
#include "store/safe_save.h"

namespace brinox {
namespace {

const std::string kNotUpdated = "Het bestand op disk werd niet bijgewerkt.\n\n";

// The lock a save needs: the one the session holds, or one taken now.
// Empty after telling the user when another copy of the program holds it.
std::optional<std::shared_ptr<FamilyLock>> lockForSaving(Session& session, Prompt& prompt, const FamilyFiles& files) {
    if (session.familyLock) return session.familyLock;
    auto [outcome, lock] = FamilyLock::take(files.lock);
    if (outcome == FamilyLock::Outcome::HeldElsewhere) {
        warn(prompt, kNotUpdated + "De familie " + session.familyCode +
                         " is geopend in een ander exemplaar van het programma.\nSluit dat eerst en berg dan "
                         "opnieuw op.");
        return std::nullopt;
    }
    if (session.lockWhileOpen) session.familyLock = lock;
    return lock;
}

// Whether the files on disk are still the ones the tables came from.
bool unchangedOnDisk(const Session& session, Prompt& prompt, const FamilyFiles& files) {
    const auto now = stampOnDisk(files, *session.fileCalls);
    if (const auto* failure = std::get_if<std::pair<ReadError, std::filesystem::path>>(&now)) {
        reportReadError(prompt, failure->first, failure->second);
        return false;
    }
    if (std::get<FamilyStamp>(now) == session.onDisk) return true;
    warn(prompt, kNotUpdated + "De familie " + session.familyCode +
                     " werd op disk gewijzigd nadat ze werd ingelezen\n(door een ander programma of een ander "
                     "exemplaar van dit programma).\nOpbergen zou die wijzigingen wissen. Kies de familie opnieuw "
                     "met \"Andere familie\"\nom te zien wat er nu op disk staat.");
    return false;
}

bool mayReplace(Prompt& prompt, const FilePair& pair) {
    for (const auto* target : {&pair.first, &pair.second}) {
        switch (replaceBlocker(*target)) {
            case Blocker::None: continue;
            case Blocker::ReadOnly:
                warn(prompt, kNotUpdated + pathForMessage(*target) + "\nis alleen-lezen.");
                return false;
            case Blocker::NoAccess:
                warn(prompt, kNotUpdated + pathForMessage(*target) +
                                 "\nhoort bij een andere gebruiker en mag hier niet worden vervangen.");
                return false;
        }
    }
    return true;
}

void reportUnfinished(Prompt& prompt, const PairSaveFailure& failure) {
    const std::string cause = "Het opbergen kon niet worden afgemaakt:\n" + systemErrorText(failure.error) + ".\n" +
                              pathForMessage(failure.file) + "\n\n";
    warn(prompt, cause + (failure.committed
                              ? "De nieuwe gegevens staan klaar op disk en worden op hun plaats gezet zodra dit "
                                "verholpen is:\nberg dan opnieuw op, of start het programma opnieuw."
                              : "Het bestand op disk werd niet bijgewerkt; de familie op disk is zoals ze was."));
}

SaveResult reportFailure(Prompt& prompt, const PairSaveFailure& failure) {
    switch (failure.stage) {
        case PairStage::First:
            inform(prompt, "IO-fout " + std::to_string(failure.error) + " bij schrijven van de DA1-file");
            return SaveResult::PersonFileFailed;
        case PairStage::Second:
        case PairStage::Commit: reportIoError(prompt, failure.error, failure.file); break;
        case PairStage::Install: reportUnfinished(prompt, failure); break;
    }
    return SaveResult::Failed;
}

}  // namespace

bool requireFamily(const Session& session, Prompt& prompt) {
    if (!session.familyCode.empty()) return true;
    warn(prompt, "Er is nog geen familie gekozen.\n\nKies eerst een familie, of maak een nieuwe, met \"Andere "
                 "familie\" in het menu Bestand.");
    return false;
}

SaveResult SaveFamily(Session& session, Prompt& prompt) {
    if (!requireFamily(session, prompt)) return SaveResult::Refused;
    const auto files = familyFiles(session.dataDirectory, session.familyCode);
    const auto lock = lockForSaving(session, prompt, files);
    if (!lock || !unchangedOnDisk(session, prompt, files)) return SaveResult::Refused;
    const FilePair pair = savePair(files);
    if (!mayReplace(prompt, pair)) return SaveResult::Refused;

    const auto persons = encodePersonFile(session.persons);
    const auto unions = encodeUnionFile(session.unions);
    const FamilyStamp saved{stampOf(persons), stampOf(unions)};
    if (const auto failure = replaceFilePair(pair, persons, unions, *session.fileCalls)) {
        // This save's committed pair is what the next save will find on disk.
        if (failure->stage == PairStage::Install && failure->committed) session.onDisk = saved;
        return reportFailure(prompt, *failure);
    }
    session.onDisk = saved;
    session.changed = false;
    return SaveResult::Saved;
}

}  // namespace brinox
