#include "gedcom/gedcom_exchange.h"

#include "gedcom/gedcom_import.h"
#include "gedcom/new_family.h"
#include "store/family_code.h"
#include "store/io_errors.h"
#include "store/regular_file.h"
#include "store/safe_save.h"

namespace brinox {

std::optional<GedcomCounts> exportFamily(const Session& session, const std::filesystem::path& file,
                                         const Moment& today, Prompt& prompt) {
    const GedcomExport exported = exportGedcom(session, today);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(exported.text.data());
    if (const int error = writeFileAtomically(file, {bytes, exported.text.size()}); error != 0) {
        reportIoError(prompt, error, file);
        return std::nullopt;
    }
    return exported.counts;
}

ImportResult importFamily(const std::filesystem::path& file, const std::filesystem::path& dataDirectory,
                          const std::string& typed, Prompt& prompt, FileCalls& calls) {
    const std::string code = normalFamilyCode(typed);
    if (const auto refusal = familyCodeRefusal(code)) {
        warn(prompt, *refusal);
        return {ImportOutcome::Refused};
    }
    if (familyExists(dataDirectory, code)) {
        warn(prompt, "De familie " + code + " bestaat al.\nKies een nieuwe naam: een bestaande familie wordt nooit "
                                            "overschreven.");
        return {ImportOutcome::Refused};
    }
    auto read = readRegularFile(file, kGedcomFileLimit, calls);
    if (auto* failure = std::get_if<ReadError>(&read)) {
        reportReadError(prompt, *failure, file);
        return {};
    }
    const auto& content = std::get<FileBytes>(read);
    auto parsed = content.beyondLimit ? std::variant<GedcomFile, GedcomRefusal>(GedcomRefusal::TooLarge)
                                      : readGedcom(content.bytes);
    if (auto* refusal = std::get_if<GedcomRefusal>(&parsed)) {
        prompt.message(MessageKind::Error, refusalMessage(*refusal), {Button::Ok});
        return {};
    }
    auto imported = importGedcom(std::get<GedcomFile>(parsed), file.parent_path());
    if (auto* refusal = std::get_if<std::string>(&imported)) {
        prompt.message(MessageKind::Error, *refusal, {Button::Ok});
        return {};
    }
    const auto& family = std::get<ImportedFamily>(imported);
    if (const auto failure = writeNewFamily(dataDirectory, code, family, calls)) {
        reportIoError(prompt, failure->error, failure->file);
        return {};
    }
    inform(prompt, family.summary);
    return {ImportOutcome::Imported, family.persons.count(), family.unions.unionCount()};
}

}  // namespace brinox
