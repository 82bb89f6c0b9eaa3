#include "store/attachment_names.h"

#include "store/case_insensitive_files.h"

namespace brinox {

std::string attachmentName(RecordNo r, std::string_view letter, std::string_view extension) {
    std::string name = "fam";
    name += PersonKey(r);
    name += letter;
    name += extension;
    return name;
}

std::string PersonKey(RecordNo r) {
    std::string key = std::to_string(r.value);
    if (key.size() < 3) key.insert(0, 3 - key.size(), '0');
    return key;
}

std::filesystem::path AttachmentPath(const std::filesystem::path& familyDirectory, RecordNo r,
                                     std::string_view letter, std::string_view extension) {
    return resolveIgnoringCase(familyDirectory, attachmentName(r, letter, extension));
}

bool attachmentExists(const std::filesystem::path& familyDirectory, RecordNo r, std::string_view letter,
                      std::string_view extension) {
    return findIgnoringCase(familyDirectory, attachmentName(r, letter, extension)).has_value();
}

}  // namespace brinox
