#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "support/failing_calls.h"
#include "texts/cvinvoerdlg.h"
#include "texts/life_text_family.h"
#include "texts/rich_text_document.h"
#include "texts/rtf_reader.h"
#include "texts/rich_text_editor.h"
#include "widgets/find_dialog.h"

namespace brinox::testing {
namespace {

class EntryWindow : public ::testing::Test, public LifeTextFamily, public HelpViewer {
protected:
    void showHelp(HelpTopic topic) override { topics.push_back(topic); }
    void open() {
        window.hide();
        window.show();
    }
    std::string shown() const { return window.RichEdit1->toPlainText().toStdString(); }
    std::string stored(char letter) const {
        return std::get<LoadedText>(loadLifeText(text(letter))).text.paragraphs.at(0).text;
    }
    std::string path(char letter) const { return text(letter).string(); }

    std::vector<HelpTopic> topics;
    Tcvinvoerdlg window{session, prompt, *this, printer};
};

TEST_F(EntryWindow, NewTakesTheFirstFreeLetterAndOnlyTheLastTextIsRemoved) {
    writeTexts("ABC");
    open();
    EXPECT_EQ(window.windowTitle(), "VDORKUM\\fam001A.doc bij 1  Jan Dorkum");
    EXPECT_EQ(window.ComboBox1->count(), 3);
    EXPECT_EQ(window.ComboBox1->itemText(2), "VDORKUM\\fam001C.doc");
    EXPECT_EQ(shown(), "Tekst A");

    window.Nieuw1->trigger();
    EXPECT_EQ(window.windowTitle(), "VDORKUM\\fam001D.doc   bij: Jan Dorkum");
    EXPECT_EQ(window.Opslaan1->text().toStdString(), "Opslaan als " + path('D'));
    EXPECT_EQ(shown(), "");

    window.ComboBox1Change(1);
    EXPECT_EQ(shown(), "Tekst B");
    window.fileverwijderenuitbestand1->trigger();  // B is emptied, so no gap opens
    EXPECT_EQ(prompt.shown.back(), "Wilt U de file \n" + path('B') + "\n echt verwijderen?");
    EXPECT_EQ(std::get<LoadedText>(loadLifeText(text('B'))).text, RichText{});
    EXPECT_EQ(shown() + std::to_string(window.ComboBox1->count()), "3");

    window.ComboBox1Change(2);
    window.fileverwijderenuitbestand1->trigger();
    EXPECT_EQ(prompt.shown.back(), "File " + path('C') + " is verwijderd");
    EXPECT_FALSE(std::filesystem::exists(text('C')));
    EXPECT_EQ(shown() + std::to_string(window.ComboBox1->count()), "0");

    std::filesystem::remove(text('B'));  // a gap made elsewhere is filled first
    writeTexts("C");
    open();
    window.Nieuw1->trigger();
    EXPECT_EQ(window.windowTitle(), "VDORKUM\\fam001B.doc   bij: Jan Dorkum");
    window.Help1->trigger();
    EXPECT_EQ(topics, std::vector<HelpTopic>{HelpTopic::LifeStory});
}

TEST_F(EntryWindow, ImportedTextsAreSavedAsRichTextUnderTheNextLetter) {
    open();
    window.Opslaan1->trigger();  // nothing prepared: nothing written
    EXPECT_FALSE(std::filesystem::exists(text('A')));
    const std::pair<std::string, std::string> cases[] = {
        {"Caf\xc3\xa9 \xc4\x8d \xe2\x82\xac\r\n", "Café č €"},  // UTF-8
        {"Caf\xe9 \x80\r\n", "Café €"},                         // Windows-1252
    };
    char letter = 'A';
    for (const auto& [bytes, expected] : cases) {
        writeBytes(dir / "in.txt", {bytes.begin(), bytes.end()});
        prompt.files = {dir / "in.txt"};
        window.import1->trigger();
        EXPECT_EQ(shown(), expected);
        window.Opslaan1->trigger();
        EXPECT_TRUE(looksLikeRtf(fileBytes(text(letter))));
        EXPECT_EQ(stored(letter++), expected);
    }
    EXPECT_EQ(window.ComboBox1->count(), 2);
}

TEST_F(EntryWindow, ASaveThatFailsAtAnyStepLeavesTheOldTextWhole) {
    writeTexts("A");
    const auto before = fileBytes(text('A'));
    open();
    window.RichEdit1->insertPlainText("Nieuw ");
    for (const FileCall call : {FileCall::Open, FileCall::Write, FileCall::Sync, FileCall::Close, FileCall::Rename}) {
        FailingCall failing(call, ENOSPC);
        session.fileCalls = &failing;
        prompt.shown.clear();
        window.Opslaan1->trigger();
        session.fileCalls = &systemFileCalls();
        EXPECT_EQ(fileBytes(text('A')), before) << int(call);
        EXPECT_EQ(prompt.kinds.back(), MessageKind::Error);
        EXPECT_TRUE(prompt.shown.size() == 1 && prompt.shown[0].ends_with(".\n" + path('A'))) << int(call);
    }
    window.Opslaan1->trigger();
    EXPECT_EQ(stored('A'), "Nieuw Tekst A");
}

TEST_F(EntryWindow, SearchGoesDownFromTheSelectionMatchingCase) {
    writeText('A', "Jan zag jan en Jan. \xc4\x8c");
    open();
    const auto selected = [this] {
        window.activateWindow();  // so that the keys reach the window
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        const QTextCursor cursor = window.RichEdit1->textCursor();
        return std::pair(cursor.selectionStart(), cursor.selectionEnd());
    };
    selected();
    QTest::keyClick(window.RichEdit1, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(window.FindDialog1->isVisible());
    EXPECT_EQ(window.FindDialog1->pos(), QPoint(5, 5));
    window.FindDialog1->FindText->setText("Jan");
    const std::pair<int, int> hits[] = {{0, 3}, {15, 18}, {15, 18}};  // from the top; "jan" differs; no more
    for (const auto& hit : hits) {
        selected();
        QTest::keyClick(window.RichEdit1, Qt::Key_F3);
        EXPECT_EQ(selected(), hit);
    }
    EXPECT_EQ(prompt.shown, Texts{"Zoekwoord \nJan\nniet gevonden."});
    // A word may hold what Windows-1252 cannot: found, and shown with "?" when not.
    window.FindDialog1->FindText->setText(QString::fromUtf8("\xc4\x8c"));
    QTest::keyClick(window.RichEdit1, Qt::Key_F3);
    EXPECT_EQ(selected(), std::pair(20, 21));
    QTest::keyClick(window.RichEdit1, Qt::Key_F3);
    EXPECT_EQ(prompt.shown.back(), "Zoekwoord \n?\nniet gevonden.");
    QTest::keyClick(window.RichEdit1, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible() || window.FindDialog1->isVisible());
}

TEST_F(EntryWindow, PasteAndThePopUpFontKeepTheRestAndPrintingGoesToThePrinterChosen) {
    const CharFormat red{.colour = Rgb{255, 0, 0}};
    writeText('A', "Café in Zürich ", red);
    open();
    auto* mime = new QMimeData;
    mime->setHtml("<b>vet</b>");
    mime->setText("vet");
    QApplication::clipboard()->setMimeData(mime);
    window.RichEdit1->moveCursor(QTextCursor::End);
    window.RichEdit1->paste();
    window.RichEdit1->moveCursor(QTextCursor::Start);
    window.RichEdit1->moveCursor(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    // The dialog is offered the selection's colour; a colour chosen there (blue) colours it.
    prompt.fonts = {FontChoice{"Liberation Serif", 14, true, false, false, false, Colour{0xFF0000}}};
    window.Lettertype2->trigger();
    EXPECT_EQ(prompt.fontPresets.back().colour, Colour{0x0000FF});
    const CharFormat chosen{"Liberation Serif", 28, true, false, false, false, Rgb{0, 0, 255}};
    const Paragraph expected{Alignment::Left, "Café in Zürich vet", {{0, 5, chosen}, {5, 13, red}}};
    EXPECT_EQ(toRichText(*window.RichEdit1->document()), RichText{{expected}});

    printer.confirm = false;
    window.Afdrukken1->trigger();
    EXPECT_FALSE(std::filesystem::exists(printer.pdf));
    printer.confirm = true;
    window.Afdrukken1->trigger();
    expectPrinted("in Zürich vet", "Levensbeschrijvingen van 1  Jan Dorkum");
}

}  // namespace
}  // namespace brinox::testing
