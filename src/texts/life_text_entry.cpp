#include "texts/life_text_entry.h"

#include "store/attachment_names.h"
#include "store/family_files.h"
#include "store/io_errors.h"

namespace brinox {
namespace {

std::filesystem::path newTextPath(const std::filesystem::path& directory, RecordNo person, char letter) {
    return AttachmentPath(directory, person, std::string(1, letter), ".doc");
}

}  // namespace

LifeTextEntry::LifeTextEntry(Session& session, Prompt& prompt) : m_session(session), m_prompt(prompt) {}

std::filesystem::path LifeTextEntry::familyDirectory() const {
    return familyFiles(m_session.dataDirectory, m_session.familyCode).directory;
}

std::string LifeTextEntry::personNames() const {
    const RecordNo person = m_session.selectedPerson;
    return m_session.persons.getFirstNames(person) + " " + m_session.persons.getFamilyName(person);
}

void LifeTextEntry::buildList() {
    m_list = m_session.familyCode.empty() ? LifeTextList() : LifeTextList(familyDirectory(), m_session.selectedPerson);
    m_choices.clear();
    for (const auto& file : m_list.existing()) m_choices.push_back(lifeTextDisplayName(m_session.familyCode, file));
}

RichText LifeTextEntry::loadCurrent() {
    if (m_current.empty()) return {};
    return shownLifeText(m_current, m_prompt, *m_session.fileCalls);
}

RichText LifeTextEntry::activate() {
    buildList();
    // With no text nothing is current, so Save and Delete touch no file.
    m_current = m_list.existing().empty() ? std::filesystem::path() : m_list.existing().front();
    return loadCurrent();
}

std::string LifeTextEntry::activationCaption() const {
    const RecordNo person = m_session.selectedPerson;
    std::string caption = m_current.empty() ? std::string() : lifeTextDisplayName(m_session.familyCode, m_current);
    caption += " bij ";
    caption += toText(m_session.persons.getNumber(person));
    caption += "  ";
    caption += personNames();
    return caption;
}

RichText LifeTextEntry::choose(int index) {
    if (index < 0 || index >= m_list.count()) return {};
    m_current = m_list.existing()[static_cast<std::size_t>(index)];
    return loadCurrent();
}

void LifeTextEntry::prepare(char letter) { m_current = newTextPath(familyDirectory(), m_session.selectedPerson, letter); }

bool LifeTextEntry::prepareNew() {
    const auto letter = m_list.firstFreeLetter();
    if (!letter || m_session.familyCode.empty()) return false;
    prepare(*letter);
    return true;
}

std::string LifeTextEntry::preparedCaption() const {
    std::string caption = lifeTextDisplayName(m_session.familyCode, m_current);
    caption += "   bij: ";
    caption += personNames();
    return caption;
}

std::string LifeTextEntry::saveCaption() const { return "Opslaan als " + pathForMessage(m_current); }

std::string LifeTextEntry::printTitle() const {
    std::string title = "Levensbeschrijvingen van ";
    title += toText(m_session.persons.getNumber(m_session.selectedPerson));
    title += "  ";
    title += personNames();
    return title;
}

std::optional<RichText> LifeTextEntry::import(ImportKind kind) {
    if (!newEnabled()) return std::nullopt;
    const auto file = m_prompt.chooseFile("Openen", kind == ImportKind::PlainText ? kPlainTextFilter : kRichTextFilter);
    if (!file) return std::nullopt;
    return importFile(kind, *file);
}

std::optional<RichText> LifeTextEntry::importFile(ImportKind kind, const std::filesystem::path& file) {
    if (!newEnabled()) return std::nullopt;
    auto loaded = loadLifeText(file, *m_session.fileCalls);
    if (auto* failure = std::get_if<ReadError>(&loaded)) {
        reportReadError(m_prompt, *failure, file);
        return std::nullopt;
    }
    if (!prepareNew()) return std::nullopt;
    // The rich-text import offers the list afresh; the plain one leaves it.
    if (kind == ImportKind::RichText) buildList();
    return std::get<LoadedText>(std::move(loaded)).text;
}

bool LifeTextEntry::save(const RichText& text) {
    if (m_current.empty()) return false;
    if (const int error = saveLifeText(m_current, text, *m_session.fileCalls); error != 0) {
        reportIoError(m_prompt, error, m_current);
        return false;
    }
    buildList();
    return true;
}

LifeTextEntry::Removal LifeTextEntry::remove() {
    if (m_current.empty() || !m_list.letterOf(m_current)) return Removal::Nothing;
    const std::string file = pathForMessage(m_current);
    const Button answer = m_prompt.message(MessageKind::Information, "Wilt U de file \n" + file + "\n" + " echt verwijderen?",
                                           {Button::Ok, Button::Cancel});
    if (answer != Button::Ok) return Removal::Cancelled;
    // Only the last text goes; an earlier one is emptied so that no gap opens.
    if (m_list.letterOf(m_current) != m_list.lastLetter()) return save(RichText{}) ? Removal::Emptied : Removal::NotEmptied;
    const bool removed = removeLifeText(m_current, *m_session.fileCalls) == 0;
    if (removed) {
        inform(m_prompt, "File " + file + " is verwijderd");
    } else {
        warn(m_prompt, "Fout. Ik heb " + file + " niet kunnen verwijderen");
    }
    buildList();
    m_choices.clear();
    return removed ? Removal::Removed : Removal::Failed;
}

std::string wordNotFoundMessage(const std::string& word) { return "Zoekwoord \n" + word + "\n" + "niet gevonden."; }

}  // namespace brinox
