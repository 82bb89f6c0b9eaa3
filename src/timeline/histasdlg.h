#pragma once

#include "timeline/timeline_window.h"

namespace brinox {

// The selected person's life among the events of world history, read from
// the history file in the data folder. A click tells the age in that year.
class Thistasdlg : public TimelineWindow {
    Q_OBJECT
public:
    Thistasdlg(Session& session, Prompt& prompt, QWidget* parent = nullptr);

    void FormActivate() override;
    // The pop-up "Afsluiten" closes like the menu bar's.
    void Sluiten1Click();

    QAction* Sluiten1 = nullptr;

protected:
    void yearClicked(int line) override;
    std::string notFoundText(const std::string& word) const override;
};

}  // namespace brinox
