#include "timeline/tijdas1dlg.h"

#include <QAction>
#include <QMenu>

#include "store/clock.h"
#include "timeline/contemporaries.h"

namespace brinox {

Ttijdas1dlg::Ttijdas1dlg(Session& session, Prompt& prompt, QWidget* parent)
    : TimelineWindow(session, prompt, 900, 9, parent) {
    setObjectName("tijdas1dlg");
    Afsluiten2 = PopupMenu1->addAction("Afsluiten");
    Afsluiten2->setObjectName("Afsluiten2");
    connect(Afsluiten2, &QAction::triggered, this, &Ttijdas1dlg::Afsluiten2Click);
}

void Ttijdas1dlg::FormActivate() {
    m_lastFound = RecordNo();
    showView(openContemporaries(m_session.persons, m_session.selectedPerson, currentMoment().year));
}

void Ttijdas1dlg::yearClicked(int line) {
    for (const auto& text : contemporariesClick(m_session.persons, m_session.selectedPerson, line, m_lastFound)) {
        inform(m_prompt, text);
    }
}

std::string Ttijdas1dlg::notFoundText(const std::string& word) const { return contemporariesNotFound(word); }

void Ttijdas1dlg::Afsluiten2Click() {
    if (m_session.persons.isPerson(m_lastFound)) {
        const std::string question = selectLastFoundQuestion(m_session.persons, m_lastFound);
        if (m_prompt.message(MessageKind::Confirmation, question, {Button::Yes, Button::No}) == Button::Yes) {
            m_session.selectedPerson = m_lastFound;
        }
    }
    reject();
}

}  // namespace brinox
