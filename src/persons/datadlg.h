#pragma once

#include <QDialog>

#include "store/prompt.h"
#include "store/session.h"

class QPlainTextEdit;

namespace brinox {

// "Meer over de geselecteerde persoon": everything the tables know about the
// selected person, as a text report. Changes nothing.
class Tdatadlg : public QDialog {
    Q_OBJECT
public:
    Tdatadlg(Session& session, Prompt& prompt, QWidget* parent = nullptr);

    // Builds the report of the selected person for today.
    void FormActivate();
    void AfsluitenClick();
    void HelpClick();

    QPlainTextEdit* Memo1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Answers the height of the bar, below which the report starts.
    int buildMenuBar();

    Session& m_session;
    Prompt& m_prompt;
};

}  // namespace brinox
