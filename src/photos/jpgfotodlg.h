#pragma once

#include <QDialog>
#include <filesystem>

#include "photos/caption_file.h"
#include "photos/photo_views.h"
#include "store/prompt.h"
#include "store/session.h"

class QAction;
class QLabel;

namespace brinox {

class PhotoFrame;
class PictureView;

// One photo of the album at its own size in a frame on green, with its
// caption below. The photo's person becomes the photo person. The left and
// right arrows scroll; Escape or any mouse button closes it.
class Tjpgfotodlg : public QDialog {
    Q_OBJECT
public:
    Tjpgfotodlg(Session& session, Prompt& prompt, QWidget* parent = nullptr);

    // Opens the viewer on `file`.
    void showFile(const std::filesystem::path& file);
    void FormActivate();
    void FormResize();
    void KleurAchtergrond1Click();

    const SinglePhoto& photo() const { return m_photo; }
    int scrollPosition() const { return m_scroll; }

    QWidget* Background = nullptr;
    PhotoFrame* Panel1 = nullptr;
    PictureView* Image1 = nullptr;
    QLabel* Panel2 = nullptr;
    QAction* KleurAchtergrond1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& m_session;
    Prompt& m_prompt;
    std::filesystem::path m_file;
    SinglePhoto m_photo;
    int m_scroll = 0;
    int m_scrollRange = 0;
};

}  // namespace brinox
