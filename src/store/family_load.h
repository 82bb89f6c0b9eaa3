#pragma once

#include <filesystem>

#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// The start steps: take the data directory, read "brinox.cfg" (colours,
// photo frame, start person, family code; an empty code means VDORKUM),
// select the start person (record 1 for 0, or for a number beyond the
// family) and load the family.
void startSession(Session& session, Prompt& prompt, const std::filesystem::path& dataDirectory);

// The part of the start before loading: the data directory and what
// "brinox.cfg" holds, without the fallback to record 1.
void readStartConfiguration(Session& session, const std::filesystem::path& dataDirectory);

// Reads the persons and unions of session.familyCode into the tables. Every
// load starts from two empty tables with the changed and password flags
// cleared, whatever happens next. No family chosen, or no person file:
// "Er is nog geen familie-bestand aanwezig", count 0. A person file that
// exists but cannot be read, an interrupted save that cannot be finished,
// or an unreadable union file: the generic error report, and saving is
// refused until the family is loaded again. A missing union file: the
// generic error report, the persons stay. Answers whether both files loaded.
bool LoadFamily(Session& session, Prompt& prompt);

// Fills the tables from decoded files, as a load does.
void fillTables(Session& session, PersonFileContent persons, const UnionFileContent& unions);

}  // namespace brinox
