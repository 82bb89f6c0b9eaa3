#include "widgets/pressable.h"

namespace brinox {

void PressableLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    emit mouseDown(event->button(), event->position().toPoint());
}

void PressableList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    emit mouseDown(event->button(), event->position().toPoint());
}

}  // namespace brinox
