#pragma once

#include <QObject>

namespace brinox {

// Hints (tool tips) are switched on and off for the whole program at once:
// installed on the application, this swallows every tool tip while off.
class HintSwitch : public QObject {
    Q_OBJECT
public:
    explicit HintSwitch(const bool& hintsOn, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const bool& m_hintsOn;
};

}  // namespace brinox
