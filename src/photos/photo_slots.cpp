#include "photos/photo_slots.h"

#include <string>
#include <system_error>

#include "store/attachment_names.h"

namespace brinox {

std::vector<std::filesystem::path> walkPhotos(const std::filesystem::path& familyDirectory, RecordNo person) {
    std::vector<std::filesystem::path> photos;
    for (int slot = 1; slot <= kPhotoSlots; ++slot) {
        auto file = AttachmentPath(familyDirectory, person, std::string(1, slotLetter(slot)), ".jpg");
        std::error_code ec;
        if (!std::filesystem::exists(file, ec)) break;
        photos.push_back(std::move(file));
    }
    return photos;
}

char nextOrderLetter(char letter, int lastSlot) {
    return letter >= slotLetter(lastSlot) || letter < 'A' ? 'A' : static_cast<char>(letter + 1);
}

char previousOrderLetter(char letter, int lastSlot) {
    return letter <= 'A' || letter > slotLetter(lastSlot) ? slotLetter(lastSlot) : static_cast<char>(letter - 1);
}

ShownSize thumbnailSize(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    if (width > height) return {kThumbnailWidth, roundHalfEven(static_cast<double>(kThumbnailWidth) / width * height)};
    return {roundHalfEven(static_cast<double>(kThumbnailHeight) / height * width), kThumbnailHeight};
}

}  // namespace brinox
