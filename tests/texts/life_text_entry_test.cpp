#include <gtest/gtest.h>

#include <cerrno>

#include "support/failing_calls.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "texts/life_text_entry.h"
#include "texts/rtf_reader.h"

namespace brinox::testing {
namespace {

// Person 1, Anna de Vries of the family SMIT, with texts of the given letters.
struct TextFamily {
    TempDir data;
    Session session;
    ScriptedPrompt prompt;
    std::filesystem::path folder = data / "SMIT";

    explicit TextFamily(const std::string& letters) {
        addPerson(session.persons, {'v', "de Vries", "Anna"});
        session.dataDirectory = data.path();
        session.familyCode = "SMIT";
        session.selectedPerson = RecordNo(1);
        std::filesystem::create_directories(folder);
        for (char letter : letters) writeText(letter, std::string("tekst ") + letter);
    }
    void writeText(char letter, const std::string& text) {
        writeBytes(folder / (std::string("fam001") + letter + ".doc"), {text.begin(), text.end()});
    }
    std::string letters() const {
        std::string found;
        for (char letter = 'A'; letter <= 'T'; ++letter) {
            if (std::filesystem::exists(folder / (std::string("fam001") + letter + ".doc"))) found += letter;
        }
        return found;
    }
};

RichText words(const std::string& text) {
    const auto read = readPlainText({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    return read.value_or(RichText{});
}

std::string firstParagraph(const LoadedText& loaded) {
    return loaded.text.paragraphs.empty() ? "" : loaded.text.paragraphs.front().text;
}

TEST(LifeTextEntry, NewTakesTheFirstFreeLetterAndOnlyTheLastTextIsRemoved) {
    const struct {
        std::string letters;
        char chosen;  // the text deleted
        std::string newFile, afterDelete;
        LifeTextEntry::Removal removal;
    } cases[] = {
        // After the deletion "Nieuw" takes the first free letter.
        {"ABC", 'B', "fam001D.doc", "ABC", LifeTextEntry::Removal::Emptied},
        {"ABC", 'C', "fam001C.doc", "AB", LifeTextEntry::Removal::Removed},
        {"AC", 'C', "fam001B.doc", "A", LifeTextEntry::Removal::Removed},
        {"AC", 'A', "fam001B.doc", "AC", LifeTextEntry::Removal::Emptied},
    };
    for (const auto& c : cases) {
        TextFamily family(c.letters);
        family.prompt.buttons = {Button::Ok};
        LifeTextEntry entry(family.session, family.prompt);
        entry.activate();
        EXPECT_EQ(entry.choices().front(), "SMIT\\fam001A.doc");
        entry.choose(static_cast<int>(c.letters.find(c.chosen)));
        EXPECT_EQ(entry.remove(), c.removal) << c.letters << c.chosen;
        EXPECT_EQ(family.letters(), c.afterDelete) << c.letters << c.chosen;
        if (c.removal == LifeTextEntry::Removal::Emptied) {
            const auto emptied = loadLifeText(family.folder / (std::string("fam001") + c.chosen + ".doc"));
            EXPECT_TRUE(std::get<LoadedText>(emptied).text.paragraphs.empty());
        }
        entry.activate();
        ASSERT_TRUE(entry.prepareNew());
        EXPECT_EQ(entry.currentFile().filename(), c.newFile);
    }
}

TEST(LifeTextEntry, WithTwentyTextsNothingNewIsPrepared) {
    TextFamily family("ABCDEFGHIJKLMNOPQRST");
    LifeTextEntry entry(family.session, family.prompt);
    entry.activate();
    EXPECT_EQ(entry.choices().size(), 20u);
    EXPECT_FALSE(entry.newEnabled());
    EXPECT_FALSE(entry.prepareNew());
    EXPECT_FALSE(entry.importFile(ImportKind::PlainText, family.folder / "fam001A.doc"));
    EXPECT_EQ(entry.currentFile().filename(), "fam001A.doc");
}

TEST(LifeTextEntry, WithoutATextNothingIsWrittenOrRemoved) {
    TextFamily family("");
    LifeTextEntry entry(family.session, family.prompt);
    EXPECT_TRUE(entry.activate().paragraphs.empty());
    EXPECT_EQ(entry.activationCaption(), " bij 1  Anna de Vries");
    EXPECT_FALSE(entry.save(words("iets")));
    EXPECT_EQ(entry.remove(), LifeTextEntry::Removal::Nothing);
    EXPECT_TRUE(std::filesystem::is_empty(family.folder));
    EXPECT_TRUE(family.prompt.shown.empty());
}

TEST(LifeTextEntry, ImportedPlainTextIsSavedAsRichTextUnderTheNextLetter) {
    const struct {
        std::vector<std::uint8_t> bytes;
        ImportKind kind;
    } cases[] = {
        {{'C', 'a', 'f', 0xC3, 0xA9, ' ', 0xE2, 0x82, 0xAC}, ImportKind::PlainText},  // UTF-8
        {{'C', 'a', 'f', 0xE9, ' ', 0x80}, ImportKind::PlainText},                     // Windows-1252
    };
    for (const auto& c : cases) {
        TextFamily family("A");
        writeBytes(family.data / "import.txt", c.bytes);
        family.prompt.files = {family.data / "import.txt"};
        LifeTextEntry entry(family.session, family.prompt);
        entry.activate();
        const auto text = entry.import(c.kind);
        ASSERT_TRUE(text);
        EXPECT_EQ(entry.preparedCaption(), "SMIT\\fam001B.doc   bij: Anna de Vries");
        EXPECT_EQ(family.letters(), "A");  // written only on Save
        ASSERT_TRUE(entry.save(*text));
        const auto stored = fileBytes(family.folder / "fam001B.doc");
        EXPECT_TRUE(looksLikeRtf(stored));
        EXPECT_EQ(firstParagraph(std::get<LoadedText>(loadLifeText(family.folder / "fam001B.doc"))), "Café €");
        EXPECT_EQ(entry.choices().size(), 2u);
    }
}

TEST(LifeTextEntry, AFailedSaveLeavesTheOldTextWholeAndSaysSo) {
    for (FileCall call : {FileCall::Open, FileCall::Write, FileCall::Sync, FileCall::Close, FileCall::Rename}) {
        TextFamily family("AB");
        FailingCall failing(call, EIO);
        family.session.fileCalls = &failing;
        const auto before = fileBytes(family.folder / "fam001A.doc");
        LifeTextEntry entry(family.session, family.prompt);
        entry.activate();
        EXPECT_FALSE(entry.save(words("nieuw"))) << static_cast<int>(call);
        family.prompt.buttons = {Button::Ok};
        EXPECT_EQ(entry.remove(), LifeTextEntry::Removal::NotEmptied);
        EXPECT_EQ(fileBytes(family.folder / "fam001A.doc"), before);
        EXPECT_EQ(family.prompt.kinds.front(), MessageKind::Error);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(family.folder), {}), 2);
    }
}

}  // namespace
}  // namespace brinox::testing
