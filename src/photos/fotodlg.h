#pragma once

#include <QDialog>
#include <QPoint>

#include "photos/caption_file.h"
#include "photos/picture.h"
#include "photos/frame_widths_dialog.h"
#include "photos/photo_placement.h"
#include "photos/slide_show.h"
#include "store/prompt.h"
#include "store/session.h"

class QAction;
class QLabel;
class QMenuBar;

namespace brinox {

class PhotoFrame;
class PictureView;

// "Foto": the photos of the photo person one at a time, at their own size or
// doubled, in a bevelled frame on a coloured background, with the caption in
// the status line. PageDown and the right button go on, PageUp and Alt with
// the right button go back, Z zooms, the arrows move and scroll.
class Tfotodlg : public QDialog {
    Q_OBJECT
public:
    Tfotodlg(Session& session, Prompt& prompt, FrameWidthsDialog& frameWidths, QWidget* parent = nullptr);

    void FormActivate();
    void FormResize();
    void FormKeyDown(QKeyEvent* event);
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Image1MouseDown(QMouseEvent* event);
    void Image1MouseUp(QMouseEvent* event);
    void Panel2MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Exit1Click();
    void Volgende1Click();
    void Vorige1Click();
    void Groter();
    void Achtergrondkleur1Click();
    void Lijst1Click();

    const SlideShow& slides() const { return m_show; }
    const Picture& picture() const;
    FrameBox frameBox() const { return m_frame; }
    ScrollRanges scrollRanges() const { return m_ranges; }
    QPoint scrollPosition() const { return m_scroll; }

    QWidget* Background = nullptr;
    PhotoFrame* Panel1 = nullptr;
    PictureView* Image1 = nullptr;
    QLabel* Panel2 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Volgende1 = nullptr;
    QAction* Vorige1 = nullptr;
    QAction* Groter1 = nullptr;
    QAction* Achtergrondkleur1 = nullptr;
    QAction* Lijst1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* buildMenuBar();
    void applyBackground();
    void showTexts();
    void loadCurrentPhoto();
    void placeFrame(FrameBox frame);
    void scrollBy(int dx, int dy);
    SlideWindow slideWindow() const;

    Session& m_session;
    Prompt& m_prompt;
    FrameWidthsDialog& m_frameWidths;
    CaptionFile m_captions;
    SlideShow m_show;
    FrameBox m_frame;
    ScrollRanges m_ranges{10, 10};
    QPoint m_scroll;
    QPoint m_dragStart;
};

}  // namespace brinox
