#include "widgets/name_label.h"

#include "widgets/fitted_text.h"

namespace brinox {

void NameLabel::setName(const QString& name) {
    m_name = name;
    fit();
}

void NameLabel::setHint(const QString& hint) {
    m_hint = hint;
    fit();
}

void NameLabel::resizeEvent(QResizeEvent* event) {
    PressableLabel::resizeEvent(event);
    fit();
}

void NameLabel::changeEvent(QEvent* event) {
    PressableLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fit();
}

void NameLabel::fit() {
    const QString shown = fittedText(*this, m_name, contentsRect().width() - 2 * margin());
    setText(shown);
    if (shown == m_name || m_hint.isEmpty()) {
        setToolTip(shown == m_name ? m_hint : m_name);
    } else {
        setToolTip(m_name + "\n" + m_hint);
    }
}

}  // namespace brinox
