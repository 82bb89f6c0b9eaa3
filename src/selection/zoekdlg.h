#pragma once

#include <QDialog>

#include "store/prompt.h"
#include "store/session.h"

class QLineEdit;

namespace brinox {

// "Zoekwoord in de inforegels": the word the keyword list looks for. The
// edit line keeps its text between openings.
class Tzoekdlg : public QDialog {
    Q_OBJECT
public:
    Tzoekdlg(Session& session, Prompt& prompt, QWidget* parent = nullptr);

    // Copies the text into the search word and closes. A character that the
    // information lines cannot hold (no Windows-1252 byte) is refused with a
    // warning and the window stays open.
    void okbtnClick();
    // Closes and leaves the search word as it was.
    void cancelbtnClick();

    QLineEdit* Edit1 = nullptr;

private:
    Session& m_session;
    Prompt& m_prompt;
};

}  // namespace brinox
