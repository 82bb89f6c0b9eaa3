#pragma once

// Where the slide viewer stands in a person's photos (the letters A to T),
// and the texts it shows: the window caption, the status line (the photo's
// caption, or its path) and the hint.

#include <array>
#include <filesystem>
#include <string>

#include "photos/caption_file.h"
#include "store/session.h"

namespace brinox {

inline constexpr int kSlidePositions = 20;

struct SlideShow {
    // Position i (1..20) holds the photo of letter 'A' + i - 1 when it exists.
    std::array<std::filesystem::path, kSlidePositions> photos;
    int count = 0;
    int position = 1;
    bool zoom = false;
    std::string caption;
    std::string status;
    std::string hint;

    // "Vorige" and "Volgende" are offered from two photos on.
    bool browsable() const { return count >= 2; }
};

// One step of the photo sequence the slide viewer and the identification
// window share: the letter of `person` to show now (from "A" after a
// restart), after which the sequence moves on to the next letter when that
// photo exists, else back to "A" (also after "T").
struct PhotoSequenceStep {
    char shown = 'A';
    bool nextExists = false;
};
PhotoSequenceStep stepPhotoSequence(Session& session, RecordNo person);

// Opens the viewer on the photo person: the photo sequence says which photo
// is shown (from "A" after a restart, else one further than last time); the
// session's current photo file becomes that photo, whether it exists or not.
SlideShow openSlideShow(Session& session, const CaptionFile& captions);

// Next and previous photo, round the photos found. Answers false when the
// position reached holds no file (letters with a gap): nothing else changes.
bool showNextSlide(SlideShow& show, Session& session, const CaptionFile& captions);
bool showPreviousSlide(SlideShow& show, Session& session, const CaptionFile& captions);

}  // namespace brinox
