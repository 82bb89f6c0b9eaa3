#pragma once

#include <QObject>

namespace brinox {

// Watches a window until it has been painted for the first time.
class FirstPaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Lets Qt work, user input held back, until the watched window has been
    // painted; gives up after a second. Answers whether the paint came.
    bool waitForIt();

private:
    bool m_painted = false;
};

}  // namespace brinox
