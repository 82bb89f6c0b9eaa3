#pragma once

#include <QDialog>

#include "store/session.h"

class QFrame;
class QLabel;

namespace brinox {

// The title shown once over the whole screen when the program has started;
// any click or key takes it away.
class Ttiteldlg : public QDialog {
    Q_OBJECT
public:
    explicit Ttiteldlg(Session& session, QWidget* parent = nullptr);

    // However the window goes, the title has been seen.
    void done(int result) override;

    QFrame* Panel1 = nullptr;
    QLabel* Label4 = nullptr;  // the family line
    QLabel* Image2 = nullptr;  // the small picture

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void centrePanel(int width, int height);

    Session& m_session;
};

}  // namespace brinox
