#include "store/save_command.h"

#include "store/case_insensitive_files.h"
#include "store/config_file.h"
#include "store/family_files.h"
#include "store/io_errors.h"
#include "store/safe_save.h"

namespace brinox {
namespace {

const char* const kNotUpdated = "Het bestand op disk werd niet bijgewerkt.";

Configuration configurationOf(const Session& session) {
    Configuration config;
    config.pedigreeColour = session.pedigreeColour;
    config.childrenColour = session.childrenColour;
    config.photoBackground = session.photoBackground;
    config.frameBorderWidth = session.frameBorderWidth;
    config.frameBevelWidth = session.frameBevelWidth;
    config.startPerson = static_cast<std::uint16_t>(session.startPerson.value);
    config.familyCode = session.familyCode;
    return config;
}

}  // namespace

bool AskPassword(Session& session, Prompt& prompt) {
    if (session.passwordGiven) return true;
    const std::string password = familyPassword(session.familyCode);
    for (;;) {
        const auto typed = prompt.input("Wachtwoord", "Vul in", "").value_or("");
        if (typed.empty()) break;
        if (typed == password) {
            session.passwordGiven = true;
            return true;
        }
        inform(prompt, typed + "\nis niet het goede wachtwoord.");
    }
    warn(prompt, "Geen goed wachtwoord ontvangen.\nHet bestand is niet bijgewerkt.");
    return false;
}

bool SaveFamily(Session& session, Prompt& prompt) {
    const auto files = familyFiles(session.dataDirectory, session.familyCode);
    const auto persons = encodePersonFile(session.persons);
    const auto unions = encodeUnionFile(session.unions);
    if (const auto failure = replaceFilePair(files.pair(), persons, unions, *session.fileCalls)) {
        if (failure->stage == PairStage::First) {
            inform(prompt, "IO-fout " + std::to_string(failure->error) + " bij schrijven van de DA1-file");
        } else {
            // The commit marker is no file the user knows; the family's person file is.
            reportIoError(prompt, failure->error, failure->stage == PairStage::Second ? files.unions : files.persons);
        }
        return false;
    }
    session.changed = false;
    return true;
}

SaveOutcome saveCommand(Session& session, Prompt& prompt) {
    if (session.persons.count() < 1) return SaveOutcome::NothingToSave;
    if (!session.saveRefusal.empty()) {
        warn(prompt, session.saveRefusal);
        return SaveOutcome::Refused;
    }
    if (!AskPassword(session, prompt)) return SaveOutcome::NoPassword;
    if (SaveFamily(session, prompt)) {
        inform(prompt, "Het bestand is op disk bijgewerkt");
        return SaveOutcome::Saved;
    }
    warn(prompt, "Het bestand op disk werd niet bijgewerkt.\n\nEr is een diskfout opgetreden.");
    return SaveOutcome::Failed;
}

bool closeQuestion(Session& session, Prompt& prompt) {
    if (prompt.message(MessageKind::Confirmation, "Takkenbos-programma verlaten?", {Button::Ok, Button::Cancel}) !=
        Button::Ok) {
        return false;
    }
    const auto configPath = resolveIgnoringCase(session.dataDirectory, "brinox.cfg");
    if (const int error = writeConfigurationFile(configPath, configurationOf(session), *session.fileCalls)) {
        reportIoError(prompt, error, configPath);
        return false;
    }
    if (!session.changed) return true;

    const Button answer = prompt.message(MessageKind::Warning, "Bestand werd gewijzigd.\n\nDeze wijzigingen opslaan?",
                                         {Button::No, Button::Ok, Button::Cancel});
    if (answer == Button::Cancel) return false;
    if (answer == Button::No) {
        session.changed = false;
        warn(prompt, kNotUpdated);
        return true;
    }
    if (saveCommand(session, prompt) == SaveOutcome::Saved) return true;
    // Whatever kept the family from the disk (no password, a full disk),
    // the user decides whether the changes may go.
    if (prompt.message(MessageKind::Information, "Nu toch Takkenbos-programma verlaten?", {Button::No, Button::Ok}) !=
        Button::Ok) {
        return false;
    }
    warn(prompt, kNotUpdated);
    return true;
}

void askStartPerson(Session& session, Prompt& prompt) {
    if (session.persons.count() < 1) return;
    const RecordNo r = session.selectedPerson;
    const auto& persons = session.persons;
    const std::string question = "Wilt U de nu geselecteerde persoon \n\n" + toText(r) + " " +
                                 persons.getFirstNames(r) + " " + persons.getFamilyName(r) + " (geb.: " +
                                 std::to_string(persons.getBirthYear(r)) + ")" + "\n\n" +
                                 "voortaan ook als geselecteerde bij het opstarten?";
    if (prompt.message(MessageKind::Confirmation, question, {Button::Ok, Button::Cancel}) == Button::Ok) {
        session.startPerson = r;
    }
}

}  // namespace brinox
