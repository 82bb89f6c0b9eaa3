#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

namespace brinox {

// A child control with its object name at a fixed place. The windows lay out
// their controls in pixels, and tests find the controls by these names.
// Constructs Control(args..., parent).
template <typename Control, typename... Args>
Control* placed(QWidget* parent, const QString& objectName, const QRect& where, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(objectName);
    control->setGeometry(where);
    return control;
}

}  // namespace brinox
