#include "store/save_command.h"

#include "store/case_insensitive_files.h"
#include "store/config_file.h"
#include "store/io_errors.h"

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

// Settings, not family data: a configuration that cannot be written is
// reported, and the program closes all the same.
void saveConfiguration(const Session& session, Prompt& prompt) {
    const auto path = resolveIgnoringCase(session.dataDirectory, "brinox.cfg");
    const int error = writeConfigurationFile(path, configurationOf(session), *session.fileCalls);
    if (error == 0) return;
    warn(prompt, "De instellingen konden niet worden bewaard:\n" + systemErrorText(error) + ".\n" +
                     pathForMessage(path) + "\n\nHet programma wordt toch afgesloten.");
}

// The question about unsaved changes; answers whether the program may close.
bool mayDropChanges(Session& session, Prompt& prompt) {
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

SaveOutcome saveCommand(Session& session, Prompt& prompt) {
    if (session.persons.count() < 1) return SaveOutcome::NothingToSave;
    if (!requireFamily(session, prompt)) return SaveOutcome::Refused;
    if (!session.saveRefusal.empty()) {
        warn(prompt, session.saveRefusal);
        return SaveOutcome::Refused;
    }
    if (!AskPassword(session, prompt)) return SaveOutcome::NoPassword;
    switch (SaveFamily(session, prompt)) {
        case SaveResult::Saved: inform(prompt, "Het bestand is op disk bijgewerkt"); return SaveOutcome::Saved;
        case SaveResult::Refused: return SaveOutcome::Refused;
        case SaveResult::PersonFileFailed:
            warn(prompt, "Het bestand op disk werd niet bijgewerkt.\n\nEr is een diskfout opgetreden.");
            break;
        case SaveResult::Failed: break;
    }
    return SaveOutcome::Failed;
}

bool closeQuestion(Session& session, Prompt& prompt) {
    if (prompt.message(MessageKind::Confirmation, "Takkenbos-programma verlaten?", {Button::Ok, Button::Cancel}) !=
        Button::Ok) {
        return false;
    }
    if (!mayDropChanges(session, prompt)) return false;
    saveConfiguration(session, prompt);
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
