#pragma once

// A person's photos as photo management shows them: fifteen slots, slot i
// holding the photo of letter chr(64 + i) ("A" for slot 1, "O" for 15),
// without gaps, each with a small picture and an order letter below it.

#include <filesystem>
#include <vector>

#include "photos/thumbnail_size.h"
#include "store/record_no.h"

namespace brinox {

inline constexpr int kPhotoSlots = 15;
inline constexpr int kThumbnailWidth = 65;
inline constexpr int kThumbnailHeight = 73;

// The photo letter of slot 1..15.
constexpr char slotLetter(int slot) { return static_cast<char>('A' + slot - 1); }

// The photos of `person` from "A" on, each named as on disk, up to the first
// letter without one and at most 15.
std::vector<std::filesystem::path> walkPhotos(const std::filesystem::path& familyDirectory, RecordNo person);

// The order letters go round "A" .. the letter of the last slot: the next
// one after it, and the one before it ("A" goes back to the last).
char nextOrderLetter(char letter, int lastSlot);
char previousOrderLetter(char letter, int lastSlot);

// A thumbnail's size for a photo stored `width` × `height`: 65 wide when it
// is wider than high, else 73 high. 0 × 0 for no picture.
ShownSize thumbnailSize(int width, int height);

}  // namespace brinox
