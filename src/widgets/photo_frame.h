#pragma once

#include <QWidget>

namespace brinox {

// A panel framed as a photo is: an outer and an inner lowered bevel, each
// `bevelWidth` pixels, with `borderWidth` pixels of the face between them.
// The face takes the palette's window colour, silver unless changed.
class PhotoFrame : public QWidget {
    Q_OBJECT
public:
    explicit PhotoFrame(QWidget* parent = nullptr);

    void setBevelWidth(int width);
    void setBorderWidth(int width);
    int bevelWidth() const { return m_bevelWidth; }
    int borderWidth() const { return m_borderWidth; }
    // How far the inside of the inner bevel lies from each edge.
    int inset() const { return 2 * m_bevelWidth + m_borderWidth; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
};

}  // namespace brinox
