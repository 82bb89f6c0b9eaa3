#pragma once

#include <QDialog>

#include "store/session.h"

namespace brinox {

class PictureView;

// The large view: one photo of the selected person, enlarged or reduced to
// the largest size of its proportions that fits the screen. Any mouse button
// on it, or Escape, closes it.
class Tfoto2dlg : public QDialog {
    Q_OBJECT
public:
    explicit Tfoto2dlg(Session& session, QWidget* parent = nullptr);

    // Opens the view on photo `letter` of the selected person.
    void showPhoto(char letter);
    void FormActivate();

    PictureView* Image1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Session& m_session;
    char m_letter = 'A';
};

}  // namespace brinox
