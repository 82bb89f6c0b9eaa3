#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "photos/album_photo_viewer.h"
#include "photos/album_thumbnails.h"
#include "photos/photo_album.h"
#include "store/prompt.h"
#include "store/session.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brinox {

class PictureView;

// The photo album: all photos of the family as thumbnails, twenty to a page.
// A right click shows a photo at its own size; a left click makes its person
// the selected person and closes the album, which then answers Accepted.
class Talbum2dlg : public QDialog {
    Q_OBJECT
public:
    Talbum2dlg(Session& session, Prompt& prompt, AlbumPhotoViewer& viewer, QWidget* parent = nullptr);

    void FormActivate();
    void verderbtnClick();
    void terugbtnClick();
    void Button1Click();
    void cancelbtnClick();
    // A mouse button on the thumbnail of cell 1..20.
    void ImMouseDown(int cell, Qt::MouseButton button);

    int albumCount() const { return static_cast<int>(m_entries.size()); }
    const AlbumPage& page() const { return m_page; }

    std::array<QFrame*, kAlbumCells> Panels{};
    std::array<PictureView*, kAlbumCells> Images{};
    std::array<QLabel*, kAlbumCells> Names{};
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* terugbtn = nullptr;
    QPushButton* verderbtn = nullptr;
    QPushButton* cancelbtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildCells();
    void buildControls();
    // Fills the twenty cells from the page offset, under the busy cursor.
    void placePage();

    Session& m_session;
    Prompt& m_prompt;
    AlbumPhotoViewer& m_viewer;
    std::vector<AlbumEntry> m_entries;
    AlbumPage m_page;
    ThumbnailCache m_thumbnails;
};

}  // namespace brinox
