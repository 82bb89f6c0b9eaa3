#pragma once

// The main window's two GEDCOM entries under "&Bestand", with the dialogs
// they open and their messages.

#include <optional>
#include <string>

#include "store/clock.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

inline constexpr const char* kGedcomFilter = "GEDCOM-bestanden (*.ged)|*.ged|alle files (*.*)|*.*";

// "Exporteer GEDCOM...": the file chosen, written, and what it holds said.
void exportGedcomFromMenu(const Session& session, Prompt& prompt, const Moment& today);

// "Importeer GEDCOM...": a file chosen, the name of the new family asked and
// the family written. Answers its code, for the caller to open it; nothing
// when cancelled, refused or failed.
std::optional<std::string> importGedcomFromMenu(Session& session, Prompt& prompt);

}  // namespace brinox
