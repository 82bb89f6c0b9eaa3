#include "widgets/hint_switch.h"

#include <QEvent>

namespace brinox {

HintSwitch::HintSwitch(const bool& hintsOn, QObject* parent) : QObject(parent), m_hintsOn(hintsOn) {}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !m_hintsOn) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace brinox
