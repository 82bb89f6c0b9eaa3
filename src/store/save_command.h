#pragma once

#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// The password question. Answers yes at once when the password was given
// for this family; else asks until the right password ("Wachtwoord" /
// "Vul in") or an empty answer, showing each wrong one.
bool AskPassword(Session& session, Prompt& prompt);

// Writes both family files as one crash-safe step. A failure of the person
// file shows "IO-fout <n> bij schrijven van de DA1-file", any later failure
// the generic error report; the files on disk then stay as they were and the
// changed flag stays set. Answers whether the family was saved.
bool SaveFamily(Session& session, Prompt& prompt);

enum class SaveOutcome { NothingToSave, Refused, NoPassword, Saved, Failed };

// "Opbergen": nothing for an empty family; else the password, then the save
// with "Het bestand is op disk bijgewerkt" or the disk-error warning.
SaveOutcome saveCommand(Session& session, Prompt& prompt);

// Asked when the main window is to close: writes the configuration and deals
// with unsaved changes. Answers whether the program may close.
bool closeQuestion(Session& session, Prompt& prompt);

// "Selectie bij opstart": offers to make the selected person the start person.
void askStartPerson(Session& session, Prompt& prompt);

}  // namespace brinox
