#pragma once

#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// Answers whether a family is open to be changed; when none was chosen yet,
// tells the user to choose or create one first.
bool requireFamily(const Session& session, Prompt& prompt);

enum class SaveResult {
    Saved,
    Refused,           // nothing was written; the reason was shown
    PersonFileFailed,  // "IO-fout <n> bij schrijven van de DA1-file" was shown
    Failed,            // the error was shown
};

// Writes both family files as one crash-safe step, after checking that no
// other copy of the program holds the family, that the files on disk are
// still those the tables came from, and that they may be replaced. Only
// when both new files are in place is the save done. On any failure the
// changed flag stays set and the tables stay as they are.
SaveResult SaveFamily(Session& session, Prompt& prompt);

}  // namespace brinox
