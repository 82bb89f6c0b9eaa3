#pragma once

// Adding a photo to the SelectedPerson and deleting the last one.

#include <filesystem>

#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

// Whether a chosen file is offered for adding: its extension is ".JPG" in
// any letter case.
bool isJpegName(const std::filesystem::path& file);

// Copies `candidate` to the SelectedPerson's photo file of `letter`, never
// over a file that is there. A failure shows "Fout " with the error number,
// the source and the target, and leaves no file. Answers whether it was added.
bool addPhoto(Session& session, Prompt& prompt, const std::filesystem::path& candidate, char letter);

// Asks whether photo `letter` (the file `photo`) is to go; on Yes removes
// it. A file that cannot be removed stays, and nothing is said. Answers
// whether it was removed. Its caption record stays: a photo added later
// under the same letter shows it.
bool deletePhoto(Session& session, Prompt& prompt, const std::filesystem::path& photo, char letter);

}  // namespace brinox
