#include "widgets/hint_switch.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace brinox {

HintSwitch::HintSwitch(const Session& session, QObject* parent) : QObject(parent), m_session(session) {}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
    if (!m_session.hintsOn) return true;
    // Qt has no program-wide hint time, so a widget's own hint is shown here,
    // as the widget would show it, only for the session's time.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (m_session.hintShowMillis <= 0 || !widget || widget->toolTip().isEmpty()) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), m_session.hintShowMillis);
    return true;
}

}  // namespace brinox
