#pragma once

// Controls that report every mouse press with its button, after they have
// handled it themselves (a list has then made the pressed line current).

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

namespace brinox {

class PressableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void mouseDown(Qt::MouseButton button, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class PressableList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    void mouseDown(Qt::MouseButton button, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace brinox
