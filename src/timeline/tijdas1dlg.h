#pragma once

#include "timeline/timeline_window.h"

namespace brinox {

// "Wie leefde in dezelfde periode": the family's births on the year lines
// around the selected person's life. A click tells the age then and who was
// born that year; the last person so found can be made the selected one.
class Ttijdas1dlg : public TimelineWindow {
    Q_OBJECT
public:
    Ttijdas1dlg(Session& session, Prompt& prompt, QWidget* parent = nullptr);

    void FormActivate() override;
    // The pop-up "Afsluiten": offers the last found person, then closes.
    void Afsluiten2Click();

    RecordNo lastFound() const { return m_lastFound; }

    QAction* Afsluiten2 = nullptr;

protected:
    void yearClicked(int line) override;
    std::string notFoundText(const std::string& word) const override;

private:
    RecordNo m_lastFound;
};

}  // namespace brinox
