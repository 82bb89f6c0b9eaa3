#pragma once

#include <QWidget>

#include "photos/picture.h"

namespace brinox {

// A decoded photo, painted stretched over the whole widget. The pixels are
// the decoder's own, wrapped rather than copied, and scaled while painting,
// so that a large photo is never held twice.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // The picture to decode into and to show; 0 × 0 shows nothing.
    Picture& picture() { return m_picture; }
    const Picture& picture() const { return m_picture; }
    // Call after the picture changed.
    void pictureChanged() { update(); }

signals:
    void mouseDown(QMouseEvent* event);
    void mouseUp(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Picture m_picture;
};

}  // namespace brinox
