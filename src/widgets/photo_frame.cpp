#include "widgets/photo_frame.h"

#include <QPainter>
#include <algorithm>

#include "widgets/colours.h"

namespace brinox {
namespace {

const QColor kShadow(128, 128, 128);
const QColor kHighlight(255, 255, 255);

// A lowered bevel `width` rings deep just inside `rect`, which shrinks past it.
void drawLoweredBevel(QPainter& painter, QRect& rect, int width) {
    for (int ring = 0; ring < width && rect.width() > 1 && rect.height() > 1; ++ring) {
        painter.setPen(kShadow);
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(kHighlight);
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
        rect.adjust(1, 1, -1, -1);
    }
}

}  // namespace

PhotoFrame::PhotoFrame(QWidget* parent) : QWidget(parent) { setBackground(this, kSilver); }

void PhotoFrame::setBevelWidth(int width) {
    m_bevelWidth = std::max(0, width);
    update();
}

void PhotoFrame::setBorderWidth(int width) {
    m_borderWidth = std::max(0, width);
    update();
}

void PhotoFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect rect = this->rect();
    drawLoweredBevel(painter, rect, m_bevelWidth);
    rect.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    drawLoweredBevel(painter, rect, m_bevelWidth);
}

}  // namespace brinox
