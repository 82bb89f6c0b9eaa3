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

// Reads the persons and unions of session.familyCode into the tables.
// Missing person file: "Er is nog geen familie-bestand aanwezig", count 0.
// Unreadable person file: "IO-fout " + errno, tables unchanged. Missing or
// unreadable union file: the generic error report. On success the flags are
// cleared, the selection restarts with the selected person and the slide
// viewer starts again at the first photo. Answers whether both files loaded.
bool LoadFamily(Session& session, Prompt& prompt);

}  // namespace brinox
