#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace brinox {

// Ends the event loop right after the watched window was first painted, so
// that the time to a usable window can be measured from outside.
class FirstPaintExit : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace brinox
