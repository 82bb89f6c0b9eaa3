#include "widgets/picture_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace brinox {

PictureView::PictureView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent, false); }

void PictureView::paintEvent(QPaintEvent*) {
    if (m_picture.empty()) return;
    const QImage image(m_picture.rgb.data(), m_picture.width, m_picture.height, m_picture.width * 3,
                       QImage::Format_RGB888);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), image);
}

void PictureView::mousePressEvent(QMouseEvent* event) { emit mouseDown(event); }

void PictureView::mouseReleaseEvent(QMouseEvent* event) { emit mouseUp(event); }

}  // namespace brinox
