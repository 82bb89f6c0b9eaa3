#pragma once

#include "store/family_save.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// The password question. Answers yes at once when the password was given
// for this family; else asks until the right password ("Wachtwoord" /
// "Vul in") or an empty answer, showing each wrong one.
bool AskPassword(Session& session, Prompt& prompt);

enum class SaveOutcome { NothingToSave, Refused, NoPassword, Saved, Failed };

// "Opbergen": nothing for an empty family; else the password, then the save
// with "Het bestand is op disk bijgewerkt", or, when the person file could
// not be written, the disk-error warning.
SaveOutcome saveCommand(Session& session, Prompt& prompt);

// Asked when the main window is to close: deals with unsaved changes, then
// writes the configuration. A configuration that cannot be written is
// reported once and does not keep the program open. Answers whether the
// program may close.
bool closeQuestion(Session& session, Prompt& prompt);

// "Selectie bij opstart": offers to make the selected person the start person.
void askStartPerson(Session& session, Prompt& prompt);

}  // namespace brinox
