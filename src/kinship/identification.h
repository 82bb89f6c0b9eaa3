#pragma once

// The identification window: who stands at the place pressed in an ancestor
// drawing of the relationship window, with that person's photos shown one
// after another through the photo sequence the slide viewer uses too.

#include <filesystem>
#include <optional>
#include <string>

#include "store/person_table.h"
#include "store/session.h"

namespace brinox {

inline constexpr const char* kNoPhotoText = "Geen foto in het bestand aanwezig.";
inline constexpr const char* kNextPhotoHint = "klik rechts=volgende foto";

// Where the photo stands in the window and how large it is, in pixels.
struct PhotoBox {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PhotoBox&) const = default;
};

// The photo's box as laid out: the most it may cover, at the top left.
inline constexpr PhotoBox kIdentPhotoBox{4, 4, 193, 219};

// r + "  " + first names + " " + family name + " (" + birth year + ")";
// an unknown birth year shows as "(0)".
std::string identificationName(const PersonTable& persons, RecordNo r);

// One step of the photo sequence for r: answers the photo of the current
// letter (which need not exist; "A" after a restart, which clears the flag)
// and moves the sequence to r's next letter when that photo exists, else
// back to "A". After "T" the sequence goes back to "A".
std::filesystem::path stepIdentificationPhoto(Session& session, RecordNo r);

// The box for a picture stored at `width` × `height`: a picture relatively
// wider than the largest box gets the box's width and moves to the box's
// own place; a narrower one gets its height and stays where `current`
// stands. No picture (0 × 0) leaves the largest box at that place.
PhotoBox identificationPhotoBox(int width, int height, const PhotoBox& current);

// What one activation of the window shows.
struct Identification {
    std::string name;
    std::filesystem::path photo;  // as on disk when it exists
    bool photoExists = false;
};

// Activates the window for the pointed-at person: the name line and the
// next photo of the sequence. Nothing when nobody is pointed at.
std::optional<Identification> identifyPointedAt(Session& session);

}  // namespace brinox
