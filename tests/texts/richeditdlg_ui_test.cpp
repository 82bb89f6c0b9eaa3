#include <gtest/gtest.h>

#include <QAction>

#include "texts/life_text_family.h"
#include "texts/rich_text_document.h"
#include "texts/rich_text_editor.h"
#include "texts/richeditdlg.h"

namespace brinox::testing {
namespace {

class Reader : public ::testing::Test, public LifeTextFamily {
protected:
    void open() {
        window.hide();
        window.show();
    }
    // The text shown and the step commands enabled: "<" back, ">" forward.
    std::string state() const {
        return window.RichEdit1->toPlainText().toStdString() + " " + (window.Vorige1->isEnabled() ? "<" : "-") +
               (window.Volgende1->isEnabled() ? ">" : "-");
    }
    std::vector<TextRun> runs() const { return toRichText(*window.RichEdit1->document()).paragraphs.at(0).runs; }

    Tricheditdlg window{session, prompt, printer};
};

TEST_F(Reader, StepsGoOverTheExistingTextsOnly) {
    open();  // no text A: nothing changes
    EXPECT_EQ(window.windowTitle(), "Toelichting");
    using Walk = std::vector<std::pair<void (Tricheditdlg::*)(), std::string>>;  // a step, then the state
    const auto next = &Tricheditdlg::Volgende1Click;
    const auto back = &Tricheditdlg::Vorige1Click;
    const std::pair<std::string, Walk> cases[] = {
        {"A", {}},
        {"ABC", {{next, "Tekst B <>"}, {next, "Tekst C <-"}, {next, "Tekst C <-"}, {back, "Tekst B <>"}}},
        {"AC", {{next, "Tekst C <-"}, {back, "Tekst A ->"}}},
    };
    for (const auto& [letters, walk] : cases) {
        for (const char letter : std::string("ABC")) std::filesystem::remove(text(letter));
        writeTexts(letters);
        open();
        EXPECT_EQ(window.windowTitle(), "Uit het leven van Jan  Dorkum");
        EXPECT_EQ(state(), letters == "A" ? "Tekst A --" : "Tekst A ->");
        for (const auto& [step, expected] : walk) {
            (window.*step)();
            EXPECT_EQ(state(), expected) << letters;
        }
    }
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(Reader, AFontForReadingLeavesTheFileAsItWasAndPrintsAsShown) {
    writeText('A', "Ëen tekst om te lezen");
    const auto before = fileBytes(text('A'));
    open();
    prompt.fonts = {FontChoice{"Liberation Serif", 20, true}};
    window.Lettertype1->trigger();
    EXPECT_EQ(runs(), (std::vector<TextRun>{{0, 21, CharFormat{"Liberation Serif", 40, true}}}));
    EXPECT_EQ(fileBytes(text('A')), before);
    window.Afdrukken1->trigger();
    open();
    EXPECT_EQ(runs(), (std::vector<TextRun>{{0, 21, CharFormat{}}}));
    expectPrinted("Ëen tekst om te lezen", "Uit het leven van Jan  Dorkum");
}

}  // namespace
}  // namespace brinox::testing
