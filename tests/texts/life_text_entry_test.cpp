#include <gtest/gtest.h>

#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "texts/life_text_entry.h"

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
};

// The window's tests cover the letters, imports and failed saves; these are
// the edges it does not reach.
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
    EXPECT_FALSE(entry.save(RichText{}));
    EXPECT_EQ(entry.remove(), LifeTextEntry::Removal::Nothing);
    EXPECT_TRUE(std::filesystem::is_empty(family.folder));
    EXPECT_TRUE(family.prompt.shown.empty());
}

}  // namespace
}  // namespace brinox::testing
