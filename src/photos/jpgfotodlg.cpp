#include "photos/jpgfotodlg.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "photos/framed_photo.h"
#include "photos/jpeg_decoder.h"
#include "photos/photo_placement.h"
#include "widgets/colours.h"
#include "widgets/named_action.h"
#include "widgets/photo_frame.h"
#include "widgets/picture_view.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kArrowScroll = 5;
constexpr int kScrollMargin = 144;
const QColor kGreen(0, 128, 0);

}  // namespace

Tjpgfotodlg::Tjpgfotodlg(Session& session, Prompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_session(session),
      m_prompt(prompt) {
    setObjectName("jpgfotodlg");
    auto* bar = new QMenuBar(this);
    KleurAchtergrond1 = addEntry(bar, "KleurAchtergrond1", "Kleur Achtergrond");
    connect(KleurAchtergrond1, &QAction::triggered, this, &Tjpgfotodlg::KleurAchtergrond1Click);
    const FramedPhoto parts = buildFramedPhoto(this, bar, kSingleViewerStatusHeight);
    Background = parts.background;
    Panel1 = parts.frame;
    Image1 = parts.image;
    Panel2 = parts.status;
    setBackground(Background, kGreen);
    Panel1->setBevelWidth(4);
    Panel1->setBorderWidth(10);
    connect(Image1, &PictureView::mouseDown, this, &QDialog::reject);
}

void Tjpgfotodlg::showFile(const std::filesystem::path& file) {
    m_file = file;
    exec();
}

void Tjpgfotodlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) setGeometry(shown->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    FormActivate();
}

void Tjpgfotodlg::hideEvent(QHideEvent* event) {
    m_scroll = 0;
    m_scrollRange = 0;
    QDialog::hideEvent(event);
}

void Tjpgfotodlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void Tjpgfotodlg::FormActivate() {
    Picture& picture = Image1->picture();
    readJpegFile(m_file, picture, 1, *m_session.fileCalls);
    Image1->pictureChanged();
    Image1->setGeometry(kSingleViewerInset, kSingleViewerInset, picture.width, picture.height);
    m_photo = singlePhotoOf(m_file);
    m_session.photoPerson = m_photo.person;
    m_scrollRange = picture.width + kScrollMargin;
    m_scroll = 0;
    FormResize();
    setWindowTitle(toQt(singlePhotoCaption(m_session.persons, m_photo, picture.width, picture.height)));
    Panel2->setText(toQt(photoStatus(captionsOf(m_session, m_prompt), m_photo.key, m_file)));
}

void Tjpgfotodlg::FormResize() {
    if (!Image1) return;
    const Picture& picture = Image1->picture();
    const FrameBox frame = placeSingleFrame(picture.width, picture.height, Background->width(),
                                            Background->height() + Panel2->height(), frameGeometry().width());
    Panel1->setGeometry(frame.left - m_scroll, frame.top, frame.width, frame.height);
}

void Tjpgfotodlg::KleurAchtergrond1Click() {
    setBackground(Background, toQColor(m_prompt.chooseColour(kDefaultPhotoBackground)));
}

void Tjpgfotodlg::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -kArrowScroll : event->key() == Qt::Key_Right ? kArrowScroll : 0;
    if (step == 0) {
        QDialog::keyPressEvent(event);
        return;
    }
    m_scroll = std::clamp(m_scroll + step, 0, m_scrollRange);
    FormResize();
}

bool Tjpgfotodlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QDialog::eventFilter(watched, event);
    reject();
    return true;
}

}  // namespace brinox
