#include "photos/photo_management.h"

#include "photos/caption_file.h"
#include "photos/photo_adding.h"
#include "store/attachment_names.h"
#include "store/family_files.h"

namespace brinox {
namespace {

const char* const kManipulateStatus =
    "Manipuleer-mode.   Om Foto's te Rangschikken, Foto's Toe te voegen of Foto's te Verwijderen ";
const char* const kTextStatus = "Tekst-mode.     Klik op een foto om de tekst eronder te bewerken";

std::string nameOf(const PersonTable& persons, RecordNo r) {
    return toText(persons.getNumber(r)) + " " + persons.getFirstNames(r) + " " + persons.getFamilyName(r);
}

}  // namespace

PhotoManager::PhotoManager(Session& session, Prompt& prompt) : m_session(session), m_prompt(prompt) {
    for (int slot = 1; slot <= kPhotoSlots; ++slot) m_order[static_cast<std::size_t>(slot - 1)] = slotLetter(slot);
}

void PhotoManager::open() {
    m_fit = true;
    m_picked = false;
    m_candidateReady = false;
    for (int slot = 1; slot <= kPhotoSlots; ++slot) m_order[static_cast<std::size_t>(slot - 1)] = slotLetter(slot);
    m_photos.clear();
    if (m_session.familyCode.empty()) return;
    m_photos = walkPhotos(familyFiles(m_session.dataDirectory, m_session.familyCode).directory,
                          m_session.selectedPerson);
    if (!m_photos.empty()) m_mode = PhotoMode::Manipulate;
}

std::string PhotoManager::windowCaption() const {
    return "Foto's en Onderschriften.  Bij " + nameOf(m_session.persons, m_session.selectedPerson);
}

std::string PhotoManager::statusText() const { return manipulating() ? kManipulateStatus : kTextStatus; }

std::string PhotoManager::deleteCaption() const {
    if (lastSlot() == 0) return "Ver&wijder";
    return std::string("Ver&wijder foto ") + slotLetter(lastSlot());
}

std::string PhotoManager::modeCaption() const { return manipulating() ? "naar Tekst-&mode" : "naar Manipuleer-&mode"; }

std::string PhotoManager::groupTitle() const {
    if (!m_picked) return "Tekst bij plaatje  ";
    return std::string("Tekst bij plaatje ") + m_pickedLetter + "  ";
}

void PhotoManager::stepOrderLetter(int slot, bool forward) {
    if (!manipulating() || slot < 1 || slot > lastSlot()) return;
    char& letter = m_order[static_cast<std::size_t>(slot - 1)];
    letter = forward ? nextOrderLetter(letter, lastSlot()) : previousOrderLetter(letter, lastSlot());
}

bool PhotoManager::chooseCandidate() {
    if (const auto chosen = m_prompt.chooseFile("Openen", kPictureFilter)) m_candidate = *chosen;
    if (!isJpegName(m_candidate)) return false;
    m_candidateReady = true;
    return true;
}

bool PhotoManager::addCandidate() {
    if (!addEnabled()) return false;
    const bool added = !m_candidate.empty() && addPhoto(m_session, m_prompt, m_candidate, slotLetter(lastSlot() + 1));
    open();
    return added;
}

bool PhotoManager::deleteLastPhoto() {
    if (!deleteEnabled()) return false;
    if (!deletePhoto(m_session, m_prompt, m_photos.back(), slotLetter(lastSlot()))) return false;
    open();
    return true;
}

ArrangeOutcome PhotoManager::arrange() {
    if (!manipulating()) return ArrangeOutcome::Unneeded;
    const std::vector<char> letters(m_order.begin(), m_order.begin() + lastSlot());
    const ArrangeOutcome outcome = arrangePhotos(m_session, m_prompt, m_photos, letters);
    // After a failure too: what is shown must be what the folder holds.
    if (outcome == ArrangeOutcome::Arranged || outcome == ArrangeOutcome::Failed) open();
    return outcome;
}

void PhotoManager::switchMode() {
    m_mode = manipulating() ? PhotoMode::Text : PhotoMode::Manipulate;
    m_picked = false;
    if (m_mode == PhotoMode::Text) {
        for (int slot = 1; slot <= kPhotoSlots; ++slot) m_order[static_cast<std::size_t>(slot - 1)] = slotLetter(slot);
    }
}

std::optional<std::string> PhotoManager::pointAt(int slot) {
    if (slot < 1 || slot > lastSlot()) return std::nullopt;
    m_pickedLetter = slotLetter(slot);
    if (manipulating()) return std::nullopt;
    m_picked = true;
    const auto captions = captionsOf(m_session, m_prompt);
    return captions.find(PersonKey(m_session.selectedPerson) + m_pickedLetter).value_or("");
}

std::optional<LinkOutcome> PhotoManager::link(const std::string& text) {
    if (!m_picked) {
        warn(m_prompt, kNothingPicked);
        return std::nullopt;
    }
    return linkCaption(m_session, m_prompt, PersonKey(m_session.selectedPerson) + m_pickedLetter, text);
}

std::optional<std::string> PhotoManager::choosePerson(PersonPicker& picker) {
    if (!manipulating()) return std::nullopt;
    m_session.selection.reference = m_session.selectedPerson;
    picker.pickPerson();
    const auto person = chosenPerson(m_session);
    if (!person) return std::nullopt;
    m_session.selectedPerson = *person;
    open();
    return "Takkenbos ***    Selectie = " + nameOf(m_session.persons, *person);
}

}  // namespace brinox
