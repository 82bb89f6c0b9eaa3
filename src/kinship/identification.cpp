#include "kinship/identification.h"

#include "photos/slide_show.h"
#include "photos/thumbnail_size.h"
#include "store/attachment_names.h"
#include "store/family_files.h"

namespace brinox {
std::string identificationName(const PersonTable& persons, RecordNo r) {
    std::string line = toText(r);
    line += "  ";
    line += persons.getFirstNames(r);
    line += " ";
    line += persons.getFamilyName(r);
    line += " (";
    line += std::to_string(persons.getBirthYear(r));
    line += ")";
    return line;
}

std::filesystem::path stepIdentificationPhoto(Session& session, RecordNo r) {
    const char shown = stepPhotoSequence(session, r).shown;
    return AttachmentPath(familyFiles(session.dataDirectory, session.familyCode).directory, r, std::string(1, shown),
                          ".jpg");
}

PhotoBox identificationPhotoBox(int width, int height, const PhotoBox& current) {
    const ShownSize size = fitToBox(width, height, kIdentPhotoBox.width, kIdentPhotoBox.height);
    if (size.width == 0) return {current.left, current.top, kIdentPhotoBox.width, kIdentPhotoBox.height};
    const bool wide = static_cast<long long>(width) * kIdentPhotoBox.height >=
                      static_cast<long long>(kIdentPhotoBox.width) * height;
    if (wide) return {kIdentPhotoBox.left, kIdentPhotoBox.top, size.width, size.height};
    return {current.left, current.top, size.width, size.height};
}

std::optional<Identification> identifyPointedAt(Session& session) {
    const RecordNo r = session.relationship.pointedAt;
    if (r.isNone()) return std::nullopt;
    Identification shown;
    shown.name = identificationName(session.persons, r);
    shown.photo = stepIdentificationPhoto(session, r);
    std::error_code ec;
    shown.photoExists = std::filesystem::exists(shown.photo, ec);
    return shown;
}

}  // namespace brinox
