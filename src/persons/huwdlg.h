#pragma once

#include <QDialog>
#include <array>

#include "persons/union_registration.h"
#include "selection/person_picker.h"
#include "store/prompt.h"
#include "store/session.h"

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace brinox {

// "Verbintenissen": with whom Person A, the selected person, is married or
// has a steady relationship. OK replaces A's unions by the rows shown.
class THuwdlg : public QDialog {
    Q_OBJECT
public:
    THuwdlg(Session& session, Prompt& prompt, PersonPicker& picker, QWidget* parent = nullptr);

    // Rebuilds Person A and the partner rows from the union table.
    void FormActivate();
    // Row 1..5: the field's value changed, by the user or the program.
    void partnereditChange(int row);
    // Row 1..5: a mouse button went down on the field.
    void partnereditMouseDown(int row, Qt::MouseButton button);
    void selbtnClick();
    void okbtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QSpinBox* edit = nullptr;
        QLabel* label = nullptr;
        QFrame* panel = nullptr;
        QRadioButton* marriage = nullptr;
        QRadioButton* relation = nullptr;
    };

    void buildPersonA();
    void buildRow(int row);
    void buildButtons();
    void showPersonA();
    void fillRows();
    PartnerRows readRows() const;
    // The row whose field (or the field's text part) is `watched`; 0 for none.
    int rowOf(const QObject* watched) const;

    Session& m_session;
    Prompt& m_prompt;
    PersonPicker& m_picker;
    RecordNo m_personA;

    QLabel* persnrlabel1 = nullptr;
    QLabel* perslabel1 = nullptr;
    std::array<Row, kPartnerRows> m_rows{};
};

}  // namespace brinox
