#pragma once

// The texts of the two windows that show one photo: the single photo viewer
// of the album and the large view of photo management.

#include <filesystem>
#include <string>

#include "photos/caption_file.h"
#include "store/person_table.h"

namespace brinox {

// The single photo viewer's photo: its caption key is the four characters
// before ".jpg" in the file's name, upper-cased ("012B"); the person is the
// number in the key's first three characters, 0 when they are no number.
struct SinglePhoto {
    std::string key;
    RecordNo person;
};
SinglePhoto singlePhotoOf(const std::filesystem::path& file);

// "012B Jan  Dorkum        ( 480 x 640 )": height first.
std::string singlePhotoCaption(const PersonTable& persons, const SinglePhoto& photo, int width, int height);

// The status line of a photo: its caption, or its path when it has none.
std::string photoStatus(const CaptionFile& captions, const std::string& key, const std::filesystem::path& file);

// "Fotonummer  fam012B.jpg   ( 480x640 )": height first.
std::string largeViewCaption(RecordNo person, char letter, int width, int height);

}  // namespace brinox
