#pragma once

#include <QAction>
#include <QWidget>

namespace brinox {

// An entry of a menu or a menu bar, with the name the window knows it by, so
// that tests and the window's handlers can find it.
inline QAction* addEntry(QWidget* menu, const char* objectName, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(objectName);
    return action;
}

}  // namespace brinox
