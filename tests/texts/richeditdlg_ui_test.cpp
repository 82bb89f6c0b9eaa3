#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

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
    QString shown() const { return window.RichEdit1->toPlainText(); }
    std::string steps() const {
        return std::string(window.Vorige1->isEnabled() ? "<" : "-") + (window.Volgende1->isEnabled() ? ">" : "-");
    }

    Tricheditdlg window{session, prompt, printer};
};

TEST_F(Reader, StepsGoOverTheExistingTextsOnly) {
    open();  // no text A: nothing changes
    EXPECT_EQ(window.windowTitle(), "Toelichting");

    struct Case {
        std::string letters;
        std::vector<std::pair<void (Tricheditdlg::*)(), std::string>> walk;  // command, text and steps after it
    };
    const Case cases[] = {
        {"A", {}},
        {"ABC", {{&Tricheditdlg::Volgende1Click, "Tekst B <>"},
                 {&Tricheditdlg::Volgende1Click, "Tekst C <-"},
                 {&Tricheditdlg::Volgende1Click, "Tekst C <-"},
                 {&Tricheditdlg::Vorige1Click, "Tekst B <>"}}},
        {"AC", {{&Tricheditdlg::Volgende1Click, "Tekst C <-"}, {&Tricheditdlg::Vorige1Click, "Tekst A ->"}}},
    };
    for (const auto& [letters, walk] : cases) {
        for (const char letter : std::string("ABC")) std::filesystem::remove(text(letter));
        writeTexts(letters);
        open();
        EXPECT_EQ(window.windowTitle(), "Uit het leven van Jan  Dorkum");
        EXPECT_EQ(shown().toStdString() + " " + steps(), letters == "A" ? "Tekst A --" : "Tekst A ->");
        for (const auto& [command, expected] : walk) {
            (window.*command)();
            EXPECT_EQ(shown().toStdString() + " " + steps(), expected) << letters;
        }
    }
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(Reader, AFontForReadingLeavesTheFileAsItWasAndPrintsAsShown) {
    writeRtfText('A', "Ëen tekst om te lezen");
    const auto before = fileBytes(text('A'));
    open();
    prompt.fonts = {FontChoice{"Liberation Serif", 20, true}};
    window.Lettertype1->trigger();
    const CharFormat chosen{"Liberation Serif", 40, true};
    const RichText shownText = toRichText(*window.RichEdit1->document());
    ASSERT_EQ(shownText.paragraphs.size(), 1u);
    EXPECT_EQ(shownText.paragraphs[0].runs, (std::vector<TextRun>{{0, 21, chosen}}));
    EXPECT_EQ(fileBytes(text('A')), before);

    window.Afdrukken1->trigger();
    open();  // the stored formatting again
    EXPECT_EQ(toRichText(*window.RichEdit1->document()).paragraphs[0].runs,
              (std::vector<TextRun>{{0, 21, CharFormat{}}}));
    ASSERT_TRUE(std::filesystem::exists(printer.pdf));
    if (!havePdfTools()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    EXPECT_NE(pdfText(printer.pdf).find("Ëen tekst om te lezen"), std::string::npos) << pdfText(printer.pdf);
    EXPECT_EQ(pdfTitle(printer.pdf), "Uit het leven van Jan  Dorkum");
}

}  // namespace
}  // namespace brinox::testing
