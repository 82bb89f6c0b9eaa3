#pragma once

#include <QDialog>
#include <QTextCursor>
#include <string>

#include "store/prompt.h"
#include "store/session.h"
#include "store/text_find.h"
#include "texts/rich_text.h"

namespace brinox {

class FindDialog;
class PrinterSetup;
class RichTextEditor;

// What the entry window and the reader of the life descriptions share: the
// editor filling the window, the find window with Ctrl+F and F3, Escape, the
// font dialog and printing. Each window builds its own menus around them and
// fills the editor at every opening.
class LifeTextWindow : public QDialog {
    Q_OBJECT
public:
    void Zoek1Click();
    // Searches the editor for the find window's word: from the end of the
    // selection, or from the top when nothing is selected, always matching
    // letter case.
    void FindDialog1Find(const FindRequest& request);
    // F3: the find window's word once more.
    void FindAgain();

    RichTextEditor* RichEdit1 = nullptr;
    FindDialog* FindDialog1 = nullptr;

protected:
    LifeTextWindow(Session& session, Prompt& prompt, PrinterSetup& printer, QWidget* parent);

    // Every opening of the window.
    virtual void FormActivate() = 0;

    // Clears the editor and shows `text` from its top.
    void showText(const RichText& text);
    // The font dialog preset with the font at the cursor; the chosen name,
    // size and style go to the whole text or to the selection only, colours
    // stay as they are.
    void chooseFont(bool wholeText);
    // The printer set-up; when confirmed, the whole text printed as `title`.
    void printText(const std::string& title);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    Session& m_session;
    Prompt& m_prompt;

private:
    PrinterSetup& m_printer;
};

}  // namespace brinox
