#pragma once

// Controls that report every mouse press with its button, after they have
// handled it themselves (a list has then made the pressed line current).
// The press ends there: it does not go on to the control beneath.

#include <QFrame>
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

class PressableFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

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
