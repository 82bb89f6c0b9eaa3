#include "photos/album2dlg.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "store/family_files.h"
#include "widgets/picture_view.h"
#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kCellWidth = 123;
constexpr int kCellHeight = 104;
constexpr int kCellStepX = 125;
constexpr int kCellStepY = 105;
constexpr int kCellsLeft = 8;
constexpr int kCellsTop = 4;
constexpr int kColumns = 5;
constexpr int kThumbnailInset = 4;
constexpr int kNameHeight = 19;

QPushButton* button(QWidget* parent, const char* name, QRect where, const char* caption) {
    auto* pushButton = placed<QPushButton>(parent, name, where, QString::fromUtf8(caption));
    // Enter belongs to the edit field: no button may take it.
    pushButton->setAutoDefault(false);
    return pushButton;
}

}  // namespace

Talbum2dlg::Talbum2dlg(Session& session, Prompt& prompt, AlbumPhotoViewer& viewer, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt), m_viewer(viewer) {
    setObjectName("album2dlg");
    setFixedSize(640, 530);
    buildCells();
    buildControls();
}

void Talbum2dlg::buildCells() {
    for (int i = 0; i < kAlbumCells; ++i) {
        const QString number = QString::number(i + 1);
        const QRect where(kCellsLeft + (i % kColumns) * kCellStepX, kCellsTop + (i / kColumns) * kCellStepY,
                          kCellWidth, kCellHeight);
        QFrame* panel = Panels[i] = placed<QFrame>(this, "Panel" + number, where);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        Images[i] = placed<PictureView>(panel, "Im" + number,
                                        QRect(kThumbnailInset, kThumbnailInset, kAlbumThumbnailWidth,
                                              kAlbumThumbnailHeight));
        connect(Images[i], &PictureView::mouseDown, this,
                [this, i](QMouseEvent* event) { ImMouseDown(i + 1, event->button()); });
        QLabel* name = Names[i] = placed<QLabel>(panel, "Naam" + number,
                                                 QRect(1, kCellHeight - 1 - kNameHeight, kCellWidth - 2, kNameHeight));
        name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        name->setAlignment(Qt::AlignCenter);
    }
}

void Talbum2dlg::buildControls() {
    GroupBox1 = placed<QGroupBox>(this, "GroupBox1", QRect(8, 428, 440, 56), "      Versnelde paginakeuze ");
    auto* label = placed<QLabel>(GroupBox1, "Label3", QRect(10, 18, 230, 32),
                                 "Stel hier een gewenst recordnummer in en druk op start");
    label->setWordWrap(true);
    Edit1 = placed<QLineEdit>(GroupBox1, "Edit1", QRect(248, 22, 80, 24));
    Button1 = button(GroupBox1, "Button1", QRect(338, 21, 90, 26), "Start");
    connect(Button1, &QPushButton::clicked, this, &Talbum2dlg::Button1Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &Talbum2dlg::Button1Click);

    terugbtn = button(this, "terugbtn", QRect(456, 438, 85, 26), "Page &Down");
    verderbtn = button(this, "verderbtn", QRect(547, 438, 85, 26), "Page &Up");
    cancelbtn = button(this, "cancelbtn", QRect(547, 494, 85, 26), "&Cancel");
    terugbtn->setEnabled(false);
    connect(terugbtn, &QPushButton::clicked, this, &Talbum2dlg::terugbtnClick);
    connect(verderbtn, &QPushButton::clicked, this, &Talbum2dlg::verderbtnClick);
    connect(cancelbtn, &QPushButton::clicked, this, &Talbum2dlg::cancelbtnClick);

    placed<QLabel>(this, "Label1", QRect(8, 490, 530, 17),
                   "Rechts klikken op een foto voor een beeld op ware grootte.");
    placed<QLabel>(this, "Label2", QRect(8, 508, 530, 17),
                   "Linker klik selecteert de persoon. U gaat terug naar de Kwartierstaat.");
}

void Talbum2dlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) move(shown->geometry().center() - rect().center());
    FormActivate();
}

void Talbum2dlg::FormActivate() {
    m_entries = m_session.familyCode.empty()
                    ? std::vector<AlbumEntry>()
                    : listAlbum(familyFiles(m_session.dataDirectory, m_session.familyCode).directory);
    placePage();
    setWindowTitle(toQt(albumCaption(albumCount())));
}

void Talbum2dlg::placePage() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int offset = m_session.albumPageOffset;
    m_page = albumPage(m_entries, offset, placeholderPicture(m_session.dataDirectory));
    std::array<std::filesystem::path, kAlbumCells> files;
    for (int i = 0; i < kAlbumCells; ++i) files[i] = m_page[i].file;
    const auto thumbnails =
        m_thumbnails.thumbnails(files, kAlbumThumbnailWidth, kAlbumThumbnailHeight, *m_session.fileCalls);
    for (int i = 0; i < kAlbumCells; ++i) {
        const Thumbnail& thumbnail = *thumbnails[i];
        Images[i]->picture() = thumbnail.picture;
        Images[i]->pictureChanged();
        // An unreadable photo keeps the whole box, to be clicked like any other.
        const ShownSize size = thumbnail.picture.empty() ? ShownSize{kAlbumThumbnailWidth, kAlbumThumbnailHeight}
                                                         : thumbnail.shown;
        Images[i]->resize(size.width, size.height);
        Names[i]->setText(toQt(m_page[i].name));
    }
    terugbtn->setEnabled(pageDownEnabled(offset));
    verderbtn->setEnabled(pageUpEnabled(offset, albumCount()));
    QApplication::restoreOverrideCursor();
}

void Talbum2dlg::verderbtnClick() {
    m_session.albumPageOffset = nextPageOffset(m_session.albumPageOffset, albumCount());
    placePage();
}

void Talbum2dlg::terugbtnClick() {
    m_session.albumPageOffset = previousPageOffset(m_session.albumPageOffset);
    placePage();
}

void Talbum2dlg::Button1Click() {
    const auto typed = fromQt(Edit1->text());
    if (!typed) return;
    const auto choice = quickPageChoice(*typed, m_entries, m_session.persons.count());
    if (!choice) return;
    if (choice->edit) Edit1->setText(toQt(*choice->edit));
    m_session.albumPageOffset = choice->offset;
    placePage();
}

void Talbum2dlg::cancelbtnClick() { reject(); }

void Talbum2dlg::ImMouseDown(int cell, Qt::MouseButton button) {
    const AlbumCell& shown = m_page[static_cast<std::size_t>(cell - 1)];
    if (button == Qt::RightButton) {
        if (!shown.name.empty()) m_viewer.showAlbumPhoto(shown.file);
        return;
    }
    if (button == Qt::LeftButton && selectFromAlbum(m_session, m_prompt, shown)) accept();
}

void Talbum2dlg::keyPressEvent(QKeyEvent* event) {
    // The keys page also while the matching button is disabled.
    switch (event->key()) {
        case Qt::Key_PageUp:
            verderbtnClick();
            break;
        case Qt::Key_PageDown:
            terugbtnClick();
            break;
        case Qt::Key_Escape:
            cancelbtnClick();
            break;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace brinox
