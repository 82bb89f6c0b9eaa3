#include "timeline/timeline_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "timeline/contemporaries.h"
#include "timeline/year_list.h"
#include "widgets/find_dialog.h"
#include "widgets/named_action.h"
#include "widgets/qt_text.h"

namespace brinox {

TimelineWindow::TimelineWindow(Session& session, Prompt& prompt, int longRule, int fontPoints, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt) {
    ListBox1 = new YearList(longRule, this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setFont(QFont("Arial", fontPoints));
    connect(ListBox1, &YearList::mouseDown, this, &TimelineWindow::ListBox1MouseDown);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenuBar();
    layout->addWidget(ListBox1);

    FindDialog1 = new FindDialog(this);
    connect(FindDialog1, &FindDialog::findNext, this, &TimelineWindow::FindDialog1Find);

    addFindKeys(this, this, [this] { Zoek1Click(); }, [this] { Verderzoeken1Click(); });
}

void TimelineWindow::buildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    Afsluiten1 = addEntry(bar, "Afsluiten1", "&Afsluiten");
    Zoek1 = addEntry(bar, "Zoek1", "&Zoek Ctrl-F");
    Verderzoeken1 = addEntry(bar, "Verderzoeken1", "&Verder zoeken F3");
    Font1 = addEntry(bar, "Font1", "&Font");
    Help1 = addEntry(bar, "Help1", "&Help");
    connect(Afsluiten1, &QAction::triggered, this, &TimelineWindow::Afsluiten1Click);
    connect(Zoek1, &QAction::triggered, this, &TimelineWindow::Zoek1Click);
    connect(Verderzoeken1, &QAction::triggered, this, &TimelineWindow::Verderzoeken1Click);
    connect(Font1, &QAction::triggered, this, &TimelineWindow::Font1Click);
    connect(Help1, &QAction::triggered, this, &TimelineWindow::Help1Click);
    layout()->setMenuBar(bar);
}

void TimelineWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) setGeometry(shown->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    FormActivate();
}

void TimelineWindow::hideEvent(QHideEvent* event) {
    FindDialog1->hide();
    QDialog::hideEvent(event);
}

void TimelineWindow::showView(TimelineView view) {
    m_view = std::move(view);
    setWindowTitle(toQt(m_view.caption));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ListBox1->hide();
    ListBox1->setYears(m_view.lines, m_view.period, m_view.current);
    ListBox1->show();
    QApplication::restoreOverrideCursor();
    m_search.restart(static_cast<int>(m_view.lines.size()));
    if (m_view.top) ListBox1->scrollToTop(*m_view.top);
    if (m_view.message) inform(m_prompt, *m_view.message);
}

void TimelineWindow::ListBox1MouseDown(Qt::MouseButton button, QPoint position) {
    if (button == Qt::RightButton) {
        PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(position));
        return;
    }
    const QModelIndex pressed = ListBox1->indexAt(position);
    if (!pressed.isValid()) return;
    yearClicked(pressed.row());
    ListBox1->viewport()->update();
}

void TimelineWindow::Zoek1Click() {
    m_search.restart(static_cast<int>(m_view.lines.size()));
    FindDialog1->showWith(m_search.last());
}

void TimelineWindow::FindDialog1Find(const FindRequest& request) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ListBox1->clearSelection();
    const auto found = m_search.findNext(m_view.lines, request);
    if (found) {
        const int last = static_cast<int>(m_view.lines.size()) - 1;
        ListBox1->setCurrentRow(*found, QItemSelectionModel::ClearAndSelect);
        ListBox1->scrollToItem(ListBox1->item(std::min(*found + 10, last)));
    }
    QApplication::restoreOverrideCursor();
    ListBox1->setFocus();
    if (!found) nietgevonden(m_search.last().text);
}

void TimelineWindow::nietgevonden(const std::string& word) {
    inform(m_prompt, notFoundText(word));
    ListBox1->setFocus();
    FindDialog1->hide();
}

void TimelineWindow::Verderzoeken1Click() { FindDialog1Find(FindDialog1->request()); }

void TimelineWindow::Font1Click() {
    ListBox1->setFont(toQFont(m_prompt.chooseFont(toFontChoice(ListBox1->font()))));
}

void TimelineWindow::Help1Click() { inform(m_prompt, kTimelineHelp); }

void TimelineWindow::Afsluiten1Click() { reject(); }

}  // namespace brinox
