#pragma once

#include <QDialog>

#include "kinship/relationship_drawing.h"
#include "store/session.h"

class QLabel;
class QPushButton;

namespace brinox {

class PictureView;

// Who stands at the place pressed in an ancestor drawing: the pointed-at
// person's number, names and birth year, with the photos one after another
// (right click) and the offer to make the person the new person B. A left
// click closes the window and forgets the pointed-at person.
class Tidentdlg : public QDialog {
    Q_OBJECT
public:
    explicit Tidentdlg(Session& session, QWidget* parent = nullptr);

    // Opens the window for the pointed-at person: at the right edge of the
    // screen for a press in A's drawing, at the left edge for B's.
    void identify(DrawingSide side);

    // Runs at every opening and every right click: the name line and the
    // next photo of the sequence.
    void FormActivate();
    void Button1Click();
    void okbtnClick();

    PictureView* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* geenfoto = nullptr;
    QPushButton* okbtn = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void pressed(Qt::MouseButton button);
    void toonjpg(const std::filesystem::path& file);
    void setOuterSize(int width, int height);
    void placeOnScreen(bool atTop);

    Session& m_session;
    DrawingSide m_side = DrawingSide::A;
};

}  // namespace brinox
