#pragma once

#include <QDialog>
#include <functional>

#include "selection/person_picker.h"
#include "selection/selection_model.h"
#include "store/session.h"
#include "widgets/help_viewer.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;

namespace brinox {

class PressableList;

// The person selection window: every person of the family in one of six
// lists; a click offers the person and the first partner, and the button
// pressed leaves the choice in the session's selection result.
class Tselectiedlg : public QDialog, public PersonPicker {
    Q_OBJECT
public:
    // `askSearchWord` opens the search-word window modally.
    Tselectiedlg(Session& session, HelpViewer& help, std::function<void()> askSearchWord, QWidget* parent = nullptr);

    // Opens the window modally; the choice is in session.selection.result.
    void pickPerson() override;

    // Builds the list of the current kind and offers the SelectedPerson.
    void FormActivate();
    void ListBox1MouseDown(Qt::MouseButton button, QPoint position);
    void ListBox1DblClick();
    void keuzebtnClick();
    void relatbtnClick();
    void cancelbtnClick();
    // Escape cancels; a letter A..Z makes the first line starting with it
    // current. Answers whether the key was used.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

    void FamilienaamClick();
    void VoornaamClick();
    void GeboortejaarClick();
    void RecordnummerClick();
    void ZoekwoordClick();
    void HistorieClick();
    void HelpClick();

    // Escape and the close box end up here: they act as Cancel.
    void reject() override;

    PressableList* ListBox1 = nullptr;
    QPushButton* keuzebtn = nullptr;
    QPushButton* relatbtn = nullptr;
    QPushButton* cancelbtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Build { Opening, MenuChoice };
    // maaklijst on the screen: the list hidden and the busy cursor shown while
    // it is filled, the buttons set, the saved top line scrolled to the top.
    void maaklijst(Build build, ListKind kind);
    void chooseList(ListKind kind);
    void showButtons();
    // Puts the check mark on the family-name, first-name or record-number item.
    void checkListItem(ListKind kind);
    int topLine() const;

    Session& m_session;
    HelpViewer& m_help;
    std::function<void()> m_askSearchWord;
    SelectionModel m_model;

    QMenuBar* MainMenu1 = nullptr;
    QAction* Familienaam1 = nullptr;
    QAction* Voornaam1 = nullptr;
    QAction* Recordnummer1 = nullptr;
};

}  // namespace brinox
