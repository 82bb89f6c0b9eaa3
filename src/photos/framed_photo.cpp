#include "photos/framed_photo.h"

#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "widgets/colours.h"
#include "widgets/photo_frame.h"
#include "widgets/picture_view.h"

namespace brinox {

FramedPhoto buildFramedPhoto(QDialog* window, QMenuBar* menuBar, int statusHeight) {
    FramedPhoto parts;
    parts.background = new QWidget(window);
    parts.background->setObjectName("Background");
    parts.frame = new PhotoFrame(parts.background);
    parts.frame->setObjectName("Panel1");
    parts.image = new PictureView(parts.frame);
    parts.image->setObjectName("Image1");
    parts.status = new QLabel(window);
    parts.status->setObjectName("Panel2");
    parts.status->setFixedHeight(statusHeight);
    parts.status->setAlignment(Qt::AlignCenter);
    parts.status->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(parts.status, kSilver);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(parts.background, 1);
    layout->addWidget(parts.status);
    for (QWidget* pressable : {parts.background, static_cast<QWidget*>(parts.frame), static_cast<QWidget*>(parts.status)}) {
        pressable->installEventFilter(window);
    }
    return parts;
}

}  // namespace brinox
