#pragma once

#include <QDialog>
#include <string>

#include "store/prompt.h"
#include "store/session.h"
#include "timeline/timeline_view.h"
#include "timeline/year_search.h"

class QAction;
class QMenu;

namespace brinox {

class FindDialog;
class YearList;

// What both timeline windows share: the year list filling the maximised
// window, the menu bar, the pop-up menu of the list, the find window with
// Ctrl+F and F3, and the font. Each window fills the list its own way and
// answers a click on a year itself.
class TimelineWindow : public QDialog {
    Q_OBJECT
public:
    void Zoek1Click();
    void FindDialog1Find(const FindRequest& request);
    // F3: the find window's word and options once more.
    void Verderzoeken1Click();
    void Font1Click();
    void Help1Click();
    void Afsluiten1Click();
    // A left or middle press handles the year under the mouse; the right
    // button opens the pop-up menu.
    void ListBox1MouseDown(Qt::MouseButton button, QPoint position);

    YearList* ListBox1 = nullptr;
    FindDialog* FindDialog1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Afsluiten1 = nullptr;
    QAction* Zoek1 = nullptr;
    QAction* Verderzoeken1 = nullptr;
    QAction* Font1 = nullptr;
    QAction* Help1 = nullptr;

protected:
    TimelineWindow(Session& session, Prompt& prompt, int longRule, int fontPoints, QWidget* parent);

    // Fills the list for the selected person; at every opening.
    virtual void FormActivate() = 0;
    virtual void yearClicked(int line) = 0;
    virtual std::string notFoundText(const std::string& word) const = 0;

    // Shows the caption and the list, scrolls and tells what the opening found.
    void showView(TimelineView view);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    Session& m_session;
    Prompt& m_prompt;

private:
    void buildMenuBar();
    void nietgevonden(const std::string& word);

    TimelineView m_view;
    YearSearch m_search;
};

}  // namespace brinox
