#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QComboBox>
#include <QMimeData>
#include <QTest>

#include "support/failing_calls.h"
#include "texts/cvinvoerdlg.h"
#include "texts/life_text_family.h"
#include "texts/rich_text_document.h"
#include "texts/rich_text_editor.h"
#include "widgets/find_dialog.h"

namespace brinox::testing {
namespace {

class NoHelp : public HelpViewer {
public:
    void showHelp(HelpTopic topic) override { topics.push_back(topic); }
    std::vector<HelpTopic> topics;
};

class EntryWindow : public ::testing::Test, public LifeTextFamily {
protected:
    void open() {
        window.hide();
        window.show();
    }
    QString shown() const { return window.RichEdit1->toPlainText(); }
    QStringList choices() const {
        QStringList names;
        for (int i = 0; i < window.ComboBox1->count(); ++i) names << window.ComboBox1->itemText(i);
        return names;
    }
    std::string path(char letter) const { return text(letter).string(); }

    NoHelp help;
    Tcvinvoerdlg window{session, prompt, help, printer};
};

TEST_F(EntryWindow, NewTakesTheFirstFreeLetterAndOnlyTheLastTextIsRemoved) {
    writeTexts("ABC");
    open();
    EXPECT_EQ(window.windowTitle(), "VDORKUM\\fam001A.doc bij 1  Jan Dorkum");
    EXPECT_EQ(choices(), (QStringList{"VDORKUM\\fam001A.doc", "VDORKUM\\fam001B.doc", "VDORKUM\\fam001C.doc"}));
    EXPECT_EQ(shown(), "Tekst A");

    window.Nieuw1->trigger();
    EXPECT_EQ(window.windowTitle(), "VDORKUM\\fam001D.doc   bij: Jan Dorkum");
    EXPECT_EQ(window.Opslaan1->text().toStdString(), "Opslaan als " + path('D'));
    EXPECT_EQ(shown(), "");
    EXPECT_FALSE(std::filesystem::exists(text('D')));

    window.ComboBox1Change(1);
    EXPECT_EQ(shown(), "Tekst B");
    window.fileverwijderenuitbestand1->trigger();  // B is emptied, the letters keep no gap
    EXPECT_EQ(prompt.shown.back(), "Wilt U de file \n" + path('B') + "\n echt verwijderen?");
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(std::get<LoadedText>(loadLifeText(text('B'))).text, RichText{});
    EXPECT_EQ(choices().size(), 3);

    window.ComboBox1Change(2);
    window.fileverwijderenuitbestand1->trigger();
    EXPECT_EQ(prompt.shown.back(), "File " + path('C') + " is verwijderd");
    EXPECT_FALSE(std::filesystem::exists(text('C')));
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(choices(), QStringList());

    // A gap left by files made elsewhere is filled first.
    std::filesystem::remove(text('B'));
    writeTexts("C");
    open();
    window.Nieuw1->trigger();
    EXPECT_EQ(window.windowTitle(), "VDORKUM\\fam001B.doc   bij: Jan Dorkum");
    window.Help1->trigger();
    EXPECT_EQ(help.topics, std::vector<HelpTopic>{HelpTopic::LifeStory});
}

TEST_F(EntryWindow, ImportedTextsAreSavedAsRichTextUnderTheNextLetter) {
    struct Case {
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"Caf\xc3\xa9 \xc4\x8d \xe2\x82\xac\r\n", "Café č €"},  // UTF-8
        {"Caf\xe9 \x80\r\n", "Café €"},                         // Windows-1252
    };
    open();
    window.Opslaan1->trigger();  // no text, nothing prepared: nothing is written
    EXPECT_FALSE(std::filesystem::exists(text('A')));
    char letter = 'A';
    for (const auto& [bytes, expected] : cases) {
        writeBytes(dir / "in.txt", {bytes.begin(), bytes.end()});
        prompt.files = {dir / "in.txt"};
        window.import1->trigger();
        EXPECT_EQ(shown().toStdString(), expected);
        window.Opslaan1->trigger();
        const auto stored = fileBytes(text(letter));
        EXPECT_EQ(std::string(stored.begin(), stored.begin() + 5), "{\\rtf");
        const auto loaded = std::get<LoadedText>(loadLifeText(text(letter)));
        EXPECT_EQ(loaded.text.paragraphs.at(0).text, expected);
        ++letter;
    }
    EXPECT_EQ(choices().size(), 2);
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
        EXPECT_EQ(fileBytes(text('A')), before) << static_cast<int>(call);
        ASSERT_EQ(prompt.shown.size(), 1u) << static_cast<int>(call);
        EXPECT_EQ(prompt.kinds.back(), MessageKind::Error);
        EXPECT_TRUE(prompt.shown.back().ends_with(".\n" + path('A'))) << prompt.shown.back();
    }
    EXPECT_EQ(shown(), "Nieuw Tekst A");
    window.Opslaan1->trigger();
    EXPECT_EQ(std::get<LoadedText>(loadLifeText(text('A'))).text.paragraphs.at(0).text, "Nieuw Tekst A");
}

TEST_F(EntryWindow, SearchGoesDownFromTheSelectionMatchingCase) {
    writeRtfText('A', "Jan zag jan en Jan.");
    open();
    const auto selected = [this] {
        const QTextCursor c = window.RichEdit1->textCursor();
        return std::pair(c.selectionStart(), c.selectionEnd());
    };
    const auto activate = [this] {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    };
    ASSERT_TRUE(activate());
    QTest::keyClick(window.RichEdit1, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(window.FindDialog1->isVisible());
    EXPECT_EQ(window.FindDialog1->pos(), QPoint(5, 5));
    window.FindDialog1->FindText->setText("Jan");
    ASSERT_TRUE(activate());
    QTest::keyClick(window.RichEdit1, Qt::Key_F3);  // nothing selected: from the top
    EXPECT_EQ(selected(), std::pair(0, 3));
    QTest::keyClick(window.RichEdit1, Qt::Key_F3);  // "jan" differs in case
    EXPECT_EQ(selected(), std::pair(15, 18));
    QTest::keyClick(window.RichEdit1, Qt::Key_F3);
    EXPECT_EQ(prompt.shown, Texts{"Zoekwoord \nJan\nniet gevonden."});
    EXPECT_EQ(selected(), std::pair(15, 18));

    QTest::keyClick(window.RichEdit1, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.FindDialog1->isVisible());
}

TEST_F(EntryWindow, PasteKeepsTheTextOnlyAndPrintingGoesToThePrinterChosen) {
    writeRtfText('A', "Café in Zürich ");
    open();
    auto* mime = new QMimeData;
    mime->setHtml("<b>vet</b> <span style='color:red'>rood</span>");
    mime->setText("vet rood");
    QApplication::clipboard()->setMimeData(mime);
    window.RichEdit1->moveCursor(QTextCursor::End);
    window.RichEdit1->paste();
    const Paragraph pasted{Alignment::Left, "Café in Zürich vet rood", {{0, 23, CharFormat{}}}};
    EXPECT_EQ(toRichText(*window.RichEdit1->document()), RichText{{pasted}});

    printer.confirm = false;
    window.Afdrukken1->trigger();
    EXPECT_FALSE(std::filesystem::exists(printer.pdf));
    printer.confirm = true;
    window.Afdrukken1->trigger();
    ASSERT_TRUE(std::filesystem::exists(printer.pdf));
    if (!havePdfTools()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    EXPECT_NE(pdfText(printer.pdf).find("Café in Zürich vet rood"), std::string::npos) << pdfText(printer.pdf);
    EXPECT_EQ(pdfTitle(printer.pdf), "Levensbeschrijvingen van 1  Jan Dorkum");
}

}  // namespace
}  // namespace brinox::testing
