#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "persons/parent_box.h"
#include "persons/person_edit.h"
#include "selection/person_picker.h"
#include "store/prompt.h"
#include "store/session.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace brinox {

// Enters a new person or changes an existing one. The main window chooses
// the mode through the session before it opens the window.
class Twijzigdlg : public QDialog {
    Q_OBJECT
public:
    Twijzigdlg(Session& session, Prompt& prompt, PersonPicker& picker, std::function<void()> redrawPedigree,
               QWidget* parent = nullptr);

    void FormActivate();
    void nreditChange(int value);
    void nreditMouseDown(Qt::MouseButton button);
    void vaderMouseDown(Qt::MouseButton button);
    void moederMouseDown(Qt::MouseButton button);
    void dateMouseDown(Qt::MouseButton button);
    void sekseeditChange(const QString& text);
    void wijzigbtnClick();
    void okbtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildButtons();
    QLineEdit* addBox(const char* label, const char* name, const char* hint, int top, int width);
    void showRecord(RecordNo r);
    void fill(const PersonForm& form);
    // The boxes as Windows-1252 text; empty, after telling the user, when a
    // box holds a character that cannot be stored.
    std::optional<PersonForm> readForm();
    void parentMouseDown(ParentRole role, QLineEdit* box, Qt::MouseButton button);
    void offerNextNewPerson();
    EditMode mode() const;

    Session& m_session;
    Prompt& m_prompt;
    PersonPicker& m_picker;
    std::function<void()> m_redrawPedigree;
    bool m_emptyingSex = false;

    QSpinBox* nredit = nullptr;
    QLineEdit* sekseedit = nullptr;
    QLineEdit* naamedit = nullptr;
    QLineEdit* vnaamedit = nullptr;
    QLineEdit* gdatedit = nullptr;
    QLineEdit* odatedit = nullptr;
    QLineEdit* vader = nullptr;
    QLineEdit* moeder = nullptr;
    QLineEdit* info1edit = nullptr;
    QLineEdit* info2edit = nullptr;
    QPushButton* wijzigbtn = nullptr;
    QPushButton* okbtn = nullptr;
};

}  // namespace brinox
