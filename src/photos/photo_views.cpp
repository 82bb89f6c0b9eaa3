#include "photos/photo_views.h"

#include "store/ansi_text.h"
#include "store/attachment_names.h"
#include "store/io_errors.h"
#include "store/number_text.h"

namespace brinox {

SinglePhoto singlePhotoOf(const std::filesystem::path& file) {
    // The name as Windows-1252, so that the key and the caption file agree.
    const std::string name = utf8ToAnsi(file.filename().string()).value_or("");
    const std::size_t end = name.size() >= 4 ? name.size() - 4 : 0;
    const std::size_t start = end >= 4 ? end - 4 : 0;
    SinglePhoto photo{ansiUpper(name.substr(start, end - start)), RecordNo()};
    if (photo.key.size() == 4) {
        if (const auto number = parseNumberText(photo.key.substr(0, 3))) photo.person = RecordNo(*number);
    }
    return photo;
}

std::string singlePhotoCaption(const PersonTable& persons, const SinglePhoto& photo, int width, int height) {
    return photo.key + " " + persons.getFirstNames(photo.person) + "  " + persons.getFamilyName(photo.person) +
           "        ( " + std::to_string(height) + " x " + std::to_string(width) + " )";
}

std::string photoStatus(const CaptionFile& captions, const std::string& key, const std::filesystem::path& file) {
    return captions.find(key).value_or(pathForMessage(file));
}

std::string largeViewCaption(RecordNo person, char letter, int width, int height) {
    return "Fotonummer  fam" + PersonKey(person) + letter + ".jpg   ( " + std::to_string(height) + "x" +
           std::to_string(width) + " )";
}

}  // namespace brinox
