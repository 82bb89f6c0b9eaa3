#include "texts/life_text_window.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QCheckBox>
#include <QShortcut>
#include <QVBoxLayout>

#include "store/ansi_text.h"
#include "texts/life_text_entry.h"
#include "texts/rich_text_document.h"
#include "texts/rich_text_editor.h"
#include "widgets/find_dialog.h"
#include "widgets/printer_setup.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

// The font the text at the cursor is shown in, with the document's font
// filling in what the text does not set itself.
FontChoice shownFont(const QTextEdit& editor) {
    const QTextCharFormat format = editor.currentCharFormat();
    const QFont font = format.font().resolve(editor.document()->defaultFont());
    FontChoice shown = toFontChoice(font);
    if (shown.pointSize <= 0) shown.pointSize = QFontInfo(font).pointSize();
    // Text without a colour of its own shows in the editor's text colour.
    const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                          : editor.palette().text().color();
    shown.colour = fromQColor(colour);
    return shown;
}

// The chosen font as a change of format; the colour only when another one was
// chosen, so that text keeping the reader's own colour keeps it.
QTextCharFormat fontChange(const FontChoice& font, const FontChoice& preset) {
    QTextCharFormat change;
    if (font.colour && font.colour != preset.colour) change.setForeground(toQColor(*font.colour));
    change.setFontFamilies({toQt(font.family)});
    change.setFontPointSize(font.pointSize);
    change.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    change.setFontItalic(font.italic);
    change.setFontUnderline(font.underline);
    change.setFontStrikeOut(font.strikeOut);
    return change;
}

}  // namespace

LifeTextWindow::LifeTextWindow(Session& session, Prompt& prompt, PrinterSetup& printer, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt), m_printer(printer) {
    RichEdit1 = new RichTextEditor(this);
    RichEdit1->setObjectName("RichEdit1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RichEdit1);

    FindDialog1 = new FindDialog(this);
    // The search always goes down and always matches letter case.
    FindDialog1->Up->parentWidget()->hide();
    FindDialog1->MatchCase->setEnabled(false);
    // A life description may hold any character, so the word may too.
    FindDialog1->acceptAnyText();
    connect(FindDialog1, &FindDialog::findNext, this, &LifeTextWindow::FindDialog1Find);
    addFindKeys(this, this, [this] { Zoek1Click(); }, [this] { FindAgain(); });
    // Escape closes the window from the editor and the choice list alike.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QDialog::reject);
    escape->setObjectName("Escape");
}

void LifeTextWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void LifeTextWindow::hideEvent(QHideEvent* event) {
    FindDialog1->hide();
    QDialog::hideEvent(event);
}

void LifeTextWindow::showText(const RichText& text) {
    fillDocument(*RichEdit1->document(), text);
    RichEdit1->moveCursor(QTextCursor::Start);
}

void LifeTextWindow::Zoek1Click() {
    const QString word = FindDialog1->FindText->text();
    FindDialog1->showWith({"", FindDirection::Down, true});
    FindDialog1->FindText->setText(word);
    FindDialog1->FindText->selectAll();
    FindDialog1->move(5, 5);
}

void LifeTextWindow::FindAgain() { FindDialog1Find(FindDialog1->request()); }

void LifeTextWindow::FindDialog1Find(const FindRequest&) {
    const QString word = FindDialog1->FindText->text();
    if (word.isEmpty()) return;
    const QTextCursor selection = RichEdit1->textCursor();
    const int start = selection.hasSelection() ? selection.selectionEnd() : 0;
    const QTextCursor found = RichEdit1->document()->find(word, start, QTextDocument::FindCaseSensitively);
    if (found.isNull()) {
        inform(m_prompt, wordNotFoundMessage(ansiForMessage(word.toStdString())));
        return;
    }
    RichEdit1->setFocus();
    RichEdit1->setTextCursor(found);
}

void LifeTextWindow::chooseFont(bool wholeText) {
    const FontChoice preset = shownFont(*RichEdit1);
    const FontChoice chosen = m_prompt.chooseFont(preset);
    // The dialog answers its preset when cancelled.
    if (chosen == preset) return;
    if (wholeText) RichEdit1->selectAll();
    RichEdit1->mergeCurrentCharFormat(fontChange(chosen, preset));
}

void LifeTextWindow::printText(const std::string& title) {
    QPrinter printer(QPrinter::HighResolution);
    if (!m_printer.setUp(printer)) return;
    printer.setDocName(toQt(title));
    RichEdit1->document()->print(&printer);
}

}  // namespace brinox
