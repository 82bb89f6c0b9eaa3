#include "photos/foto2dlg.h"

#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "photos/jpeg_decoder.h"
#include "photos/photo_placement.h"
#include "photos/photo_views.h"
#include "store/attachment_names.h"
#include "store/family_files.h"
#include "widgets/picture_view.h"
#include "widgets/qt_text.h"

namespace brinox {

Tfoto2dlg::Tfoto2dlg(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName("foto2dlg");
    Image1 = new PictureView(this);
    Image1->setObjectName("Image1");
    Image1->setToolTip("klik=sluiten");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    connect(Image1, &PictureView::mouseDown, this, &QDialog::reject);
}

void Tfoto2dlg::showPhoto(char letter) {
    m_letter = letter;
    exec();
}

void Tfoto2dlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void Tfoto2dlg::FormActivate() {
    const RecordNo person = m_session.selectedPerson;
    const auto directory = familyFiles(m_session.dataDirectory, m_session.familyCode).directory;
    m_session.currentPhotoFile = AttachmentPath(directory, person, std::string(1, m_letter), ".jpg");
    Picture& picture = Image1->picture();
    readJpegFile(m_session.currentPhotoFile, picture, 1, *m_session.fileCalls);
    Image1->pictureChanged();
    setWindowTitle(toQt(largeViewCaption(person, m_letter, picture.width, picture.height)));
    const QScreen* shown = screen();
    if (!shown) return;
    const QRect available = shown->geometry();
    const ClientSize size = largeViewSize(picture.width, picture.height, available.width(), available.height());
    if (size.width > 0) setFixedSize(size.width, size.height);
    move(available.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace brinox
