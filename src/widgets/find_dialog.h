#pragma once

#include <QDialog>
#include <functional>

#include "store/text_find.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brinox {

// The find window, which Qt does not offer: a text, a direction and the
// match-case option. It does not search itself: it hands every "find next"
// to whoever opened it, so each list searches its own lines. Modeless, and
// placed at the top-left corner of the screen.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    // Shows the window with these settings and gives it the focus.
    void showWith(const FindRequest& preset);

    // The text and options as the window holds them now. Only characters the
    // family files can hold can be typed, unless acceptAnyText was called.
    FindRequest request() const;

    // For searching texts that hold any character: the word is then read
    // from FindText itself.
    void acceptAnyText();

    QLineEdit* FindText = nullptr;
    QCheckBox* WholeWord = nullptr;
    QCheckBox* MatchCase = nullptr;
    QRadioButton* Up = nullptr;
    QRadioButton* Down = nullptr;
    QPushButton* FindNext = nullptr;
    QPushButton* Cancel = nullptr;

signals:
    void findNext(const brinox::FindRequest& request);

protected:
    void showEvent(QShowEvent* event) override;
};

// Ctrl+F in `findScope` (the window itself, or one list of it) runs `find`;
// F3 runs `again` from the window and from its find window. One shortcut
// each, so that every press acts once wherever the focus is.
void addFindKeys(QWidget* window, QWidget* findScope, std::function<void()> find, std::function<void()> again);

}  // namespace brinox
