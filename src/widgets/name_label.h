#pragma once

#include "widgets/pressable.h"

namespace brinox {

// A pressable label for a name that may be wider than the label: the name's
// end gives way to "…" (see fitted_text.h), fitted again whenever the label
// is resized, and the whole name then stands in the tool tip above the hint.
class NameLabel : public PressableLabel {
    Q_OBJECT
public:
    using PressableLabel::PressableLabel;

    void setName(const QString& name);
    void setHint(const QString& hint);
    const QString& name() const { return m_name; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit();

    QString m_name;
    QString m_hint;
};

}  // namespace brinox
