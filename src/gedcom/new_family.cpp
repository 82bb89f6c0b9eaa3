#include "gedcom/new_family.h"

#include <cerrno>

#include "photos/caption_file.h"
#include "store/attachment_names.h"
#include "store/case_insensitive_files.h"
#include "store/family_files.h"
#include "store/file_copy.h"
#include "store/safe_save.h"
#include "texts/life_texts.h"

namespace brinox {
namespace {

std::optional<NewFamilyFailure> fillFolder(const std::filesystem::path& folder, const FamilyFiles& names,
                                           const ImportedFamily& family, FileCalls& calls) {
    const auto failed = [](int error, std::filesystem::path file) {
        return std::optional<NewFamilyFailure>(NewFamilyFailure{error, std::move(file)});
    };
    const auto persons = folder / names.persons.filename(), unions = folder / names.unions.filename();
    if (const int error = writeFileAtomically(persons, encodePersonFile(family.persons), calls)) return failed(error, persons);
    if (const int error = writeFileAtomically(unions, encodeUnionFile(family.unions), calls)) return failed(error, unions);
    CaptionFile captions;
    for (const auto& file : family.files) {
        const auto target = folder / attachmentName(file.person, file.letter, file.extension);
        if (const int error = copyToNewFile(file.source, target, calls)) return failed(error, file.source);
        if (!file.caption.empty()) captions.store(PersonKey(file.person) + file.letter, file.caption, false);
    }
    if (!captions.records().empty()) {
        const auto target = folder / names.captions.filename();
        if (const int error = writeCaptionFile(target, captions, calls)) return failed(error, target);
    }
    for (const auto& text : family.texts) {
        const auto target = folder / attachmentName(text.person, std::string(1, text.letter), ".doc");
        if (const int error = saveLifeText(target, text.text, calls)) return failed(error, target);
    }
    if (calls.syncDirectory(folder) != 0) return failed(errno, folder);
    return std::nullopt;
}

}  // namespace

bool familyExists(const std::filesystem::path& dataDirectory, const std::string& code) {
    const auto folder = familyFiles(dataDirectory, code).directory;
    return findIgnoringCase(dataDirectory, folder.filename().string()).has_value();
}

std::optional<NewFamilyFailure> writeNewFamily(const std::filesystem::path& dataDirectory, const std::string& code,
                                               const ImportedFamily& family, FileCalls& calls) {
    const FamilyFiles names = familyFiles(dataDirectory, code);
    const auto& folder = names.directory;
    if (familyExists(dataDirectory, code)) return NewFamilyFailure{EEXIST, folder};
    std::string stagingName = ".";
    stagingName += folder.filename().string();
    stagingName += ".import";
    const auto staging = dataDirectory / stagingName;
    std::error_code ec;
    std::filesystem::remove_all(staging, ec);  // what a crash during an earlier import left
    if (!std::filesystem::create_directory(staging, ec)) return NewFamilyFailure{ec ? ec.value() : EEXIST, staging};
    auto failure = fillFolder(staging, names, family, calls);
    if (!failure && calls.rename(staging, folder) != 0) failure = NewFamilyFailure{errno, folder};
    if (failure) {
        std::filesystem::remove_all(staging, ec);
        return failure;
    }
    // A family whose name may not survive a crash is no family yet: it goes.
    if (calls.syncDirectory(dataDirectory) != 0) {
        failure = NewFamilyFailure{errno, dataDirectory};
        std::filesystem::remove_all(folder, ec);
    }
    return failure;
}

}  // namespace brinox
