#pragma once

// "&Rangschikken": a person's photos put under the letters the user gave
// them, each caption going with its photo. The files change crash-safe
// (store/arrange_journal.h).

#include <filesystem>
#include <vector>

#include "photos/caption_file.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

enum class OrderCheck {
    Arrange,       // the letters are another order of A .. the last slot's letter
    InOrder,       // every slot has its own letter
    EqualLetters,  // two slots have the same letter
};

// For the order letters of slots 1..n.
OrderCheck checkOrderLetters(const std::vector<char>& letters);

// Arranging renames the photo files, so it needs "Tjalko", whatever family
// is open; given once, it counts as the family's password until the next
// load, as the password a save asks for does. Answers whether it was given.
bool arrangePassword(Session& session, Prompt& prompt);

// `captions` after the photos of `person` moved from slot i's own letter to
// letters[i - 1]: every moving photo's caption goes to its new letter (an
// empty one empties the record there); photos that keep their letter and
// all other records stay as they are.
CaptionFile captionsAfterArranging(CaptionFile captions, RecordNo person, const std::vector<char>& letters);

enum class ArrangeOutcome { NoPassword, Unneeded, Arranged, Failed };

// The command with its messages: the password, then the checks, then the
// photos of the SelectedPerson (`photos`, slot 1 first, as walked) renamed
// by `letters`. A caption file that cannot be read, or a rename that fails,
// is the generic error report; before the change is committed nothing
// changes, after it the next load completes it.
ArrangeOutcome arrangePhotos(Session& session, Prompt& prompt, const std::vector<std::filesystem::path>& photos,
                             const std::vector<char>& letters);

}  // namespace brinox
