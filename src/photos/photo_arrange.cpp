#include "photos/photo_arrange.h"

#include <set>

#include "photos/photo_slots.h"
#include "store/arrange_journal.h"
#include "store/attachment_names.h"
#include "store/family_code.h"
#include "store/family_files.h"
#include "store/io_errors.h"

namespace brinox {
namespace {

const char* const kNoPassword =
    "Alleen als U het wachtwoord kent,\nkan de volgorde worden gewijzigd.\nDe filenamen zouden er door \n"
    "worden veranderd";

// The letter of the slot at 0-based `index`.
char ownLetter(std::size_t index) { return slotLetter(static_cast<int>(index) + 1); }

std::string captionKeyOf(RecordNo person, char letter) { return PersonKey(person) + letter; }

// The lock a save takes: another copy of the program may be arranging or
// saving this family right now.
std::optional<std::shared_ptr<FamilyLock>> lockForArranging(Session& session, Prompt& prompt,
                                                            const FamilyFiles& files) {
    if (session.familyLock) return session.familyLock;
    auto [outcome, lock] = FamilyLock::take(files.lock, true);
    if (outcome != FamilyLock::Outcome::HeldElsewhere) return lock;
    warn(prompt, "De familie " + session.familyCode +
                     " is geopend in een ander exemplaar van het programma.\nSluit dat eerst en rangschik dan "
                     "opnieuw.");
    return std::nullopt;
}

// Every letter names one of the photos: the window's letters go round
// those of the slots in use.
bool lettersOfSlots(const std::vector<char>& letters, std::size_t photos) {
    if (letters.size() != photos) return false;
    for (char letter : letters) {
        if (letter < 'A' || letter > slotLetter(static_cast<int>(photos))) return false;
    }
    return true;
}

PhotoRenames renamesFor(RecordNo person, const std::vector<std::filesystem::path>& photos,
                        const std::vector<char>& letters) {
    PhotoRenames renames{person, {}, std::nullopt};
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i] == ownLetter(i)) continue;
        // The new name is the one the photo of that letter has on disk now.
        renames.moves.push_back({photos[i].filename().string(),
                                 photos[static_cast<std::size_t>(letters[i] - 'A')].filename().string()});
    }
    return renames;
}

}  // namespace

OrderCheck checkOrderLetters(const std::vector<char>& letters) {
    bool inOrder = true;
    for (std::size_t i = 0; i < letters.size(); ++i) inOrder = inOrder && letters[i] == ownLetter(i);
    if (inOrder) return OrderCheck::InOrder;
    const std::set<char> distinct(letters.begin(), letters.end());
    return distinct.size() == letters.size() ? OrderCheck::Arrange : OrderCheck::EqualLetters;
}

bool arrangePassword(Session& session, Prompt& prompt) {
    if (session.passwordGiven) return true;
    for (;;) {
        const auto typed = prompt.input("Wachtwoord", "Vul in", "").value_or("");
        if (typed.empty()) return false;
        if (typed == familyPassword(kDefaultFamilyCode)) {
            session.passwordGiven = true;
            return true;
        }
        inform(prompt, "Geef s.v.p. het goede wachtwoord");
    }
}

CaptionFile captionsAfterArranging(CaptionFile captions, RecordNo person, const std::vector<char>& letters) {
    std::vector<std::string> moving(letters.size());
    for (std::size_t i = 0; i < letters.size(); ++i) {
        moving[i] = captions.find(captionKeyOf(person, ownLetter(i))).value_or("");
    }
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i] != ownLetter(i)) captions.store(captionKeyOf(person, letters[i]), moving[i], false);
    }
    return captions;
}

ArrangeOutcome arrangePhotos(Session& session, Prompt& prompt, const std::vector<std::filesystem::path>& photos,
                             const std::vector<char>& letters) {
    if (!arrangePassword(session, prompt)) {
        inform(prompt, kNoPassword);
        return ArrangeOutcome::NoPassword;
    }
    switch (checkOrderLetters(letters)) {
        case OrderCheck::InOrder:
            inform(prompt, "Rangschikken is onnodig.\nLetters staan op volgorde");
            return ArrangeOutcome::Unneeded;
        case OrderCheck::EqualLetters:
            warn(prompt, "Rangschikken gaat niet bij gelijke letters");
            return ArrangeOutcome::Unneeded;
        case OrderCheck::Arrange: break;
    }
    if (!lettersOfSlots(letters, photos.size())) return ArrangeOutcome::Unneeded;
    const auto files = familyFiles(session.dataDirectory, session.familyCode);
    const auto lock = lockForArranging(session, prompt, files);
    if (!lock) return ArrangeOutcome::Failed;
    auto read = readCaptionFile(files.captions, *session.fileCalls);
    if (const auto* failure = std::get_if<ReadError>(&read)) {
        reportReadError(prompt, *failure, files.captions);
        return ArrangeOutcome::Failed;
    }
    const RecordNo person = session.selectedPerson;
    const auto& before = std::get<CaptionFile>(read);
    PhotoRenames renames = renamesFor(person, photos, letters);
    const auto after = captionsAfterArranging(before, person, letters).encode();
    if (after != before.encode()) renames.captions = after;
    if (const auto failure = renamePhotos(files, renames, *session.fileCalls)) {
        reportIoError(prompt, failure->error, failure->file);
        return ArrangeOutcome::Failed;
    }
    return ArrangeOutcome::Arranged;
}

}  // namespace brinox
