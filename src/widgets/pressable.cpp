#include "widgets/pressable.h"

namespace brinox {

void PressableLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    event->accept();
    emit mouseDown(event->button(), event->position().toPoint());
}

void PressableFrame::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mouseDown(event->button(), event->position().toPoint());
}

void PressableList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    emit mouseDown(event->button(), event->position().toPoint());
}

}  // namespace brinox
