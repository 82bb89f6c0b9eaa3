#pragma once

// What the life-description entry window holds between its commands and
// what each command does, for the window to show and the command line to
// print. It works on the SelectedPerson. The text itself lives in the
// window's editor; the commands that load a text answer it, and Save is
// given it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/prompt.h"
#include "store/session.h"
#include "texts/life_texts.h"
#include "texts/rich_text.h"

namespace brinox {

inline constexpr const char* kPlainTextFilter = "Teksten (*.txt)|*.txt";
inline constexpr const char* kRichTextFilter = "Teksten (*.rtf)|*.RTF";

enum class ImportKind { PlainText, RichText };

class LifeTextEntry {
public:
    LifeTextEntry(Session& session, Prompt& prompt);

    // Every opening: the list built for the SelectedPerson, its first text
    // the current file. Answers that text for the editor (an empty text when
    // the person has none or it cannot be read, after the error report).
    RichText activate();
    // The caption set at activation: the current file's display name, then
    // " bij " and the person.
    std::string activationCaption() const;

    // The display names of the person's texts, letter A first.
    const std::vector<std::string>& choices() const { return m_choices; }
    // Choosing entry `index` of the choice list: it becomes the current file.
    RichText choose(int index);

    // "Nieuw": the first free letter becomes the current file, which is
    // written only on Save. False, and nothing changes, with twenty texts.
    bool prepareNew();
    bool newEnabled() const { return m_list.firstFreeLetter().has_value(); }
    // The caption after "Nieuw" or an import, naming the prepared file.
    std::string preparedCaption() const;
    // "Opslaan als " and the prepared file, for the Save entry.
    std::string saveCaption() const;
    // "Levensbeschrijvingen van " and the person: the print job's title.
    std::string printTitle() const;

    // An import: the file chosen in the open-file dialog, read and prepared
    // as a new text. Nothing when cancelled, refused or unreadable.
    std::optional<RichText> import(ImportKind kind);
    // The same for a file already chosen (the command line).
    std::optional<RichText> importFile(ImportKind kind, const std::filesystem::path& file);

    // "Opslaan": writes `text` to the current file and builds the list again.
    // False, after the error report and with the old file whole, when it
    // could not be written; false too when no file is current.
    bool save(const RichText& text);

    enum class Removal { Nothing, Cancelled, Emptied, NotEmptied, Removed, Failed };
    // "Verwijderen" after the question: a text that is not the last is
    // emptied so that the letters stay without gaps, the last is removed.
    // After Removed or Failed the editor is cleared and the choice list
    // emptied; NotEmptied keeps the text, whole on disk and in the editor.
    Removal remove();

    const std::filesystem::path& currentFile() const { return m_current; }
    const LifeTextList& list() const { return m_list; }

private:
    std::filesystem::path familyDirectory() const;
    std::string personNames() const;
    void buildList();
    RichText loadCurrent();
    void prepare(char letter);

    Session& m_session;
    Prompt& m_prompt;
    LifeTextList m_list;
    std::vector<std::string> m_choices;
    std::filesystem::path m_current;
};

// "Zoekwoord \n" + word + "\n" + "niet gevonden."
std::string wordNotFoundMessage(const std::string& word);

}  // namespace brinox
