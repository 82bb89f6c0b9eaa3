#include "app/first_paint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace brinox {

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) m_painted = true;
    return QObject::eventFilter(watched, event);
}

bool FirstPaintWatch::waitForIt() {
    QElapsedTimer waited;
    waited.start();
    while (!m_painted && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    if (!m_painted) return false;
    // The paint event has been delivered; let the painting reach the screen.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

}  // namespace brinox
