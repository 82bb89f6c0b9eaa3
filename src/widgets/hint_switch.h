#pragma once

#include <QObject>

#include "store/session.h"

namespace brinox {

// Hints (tool tips) are switched on and off for the whole program at once:
// installed on the application, this swallows every tool tip while off, and
// while on keeps each up as long as the session says.
class HintSwitch : public QObject {
    Q_OBJECT
public:
    explicit HintSwitch(const Session& session, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Session& m_session;
};

}  // namespace brinox
