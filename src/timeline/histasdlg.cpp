#include "timeline/histasdlg.h"

#include <QAction>
#include <QMenu>

#include "store/clock.h"
#include "timeline/history_file.h"
#include "timeline/world_history.h"

namespace brinox {

Thistasdlg::Thistasdlg(Session& session, Prompt& prompt, QWidget* parent)
    : TimelineWindow(session, prompt, 820, 8, parent) {
    setObjectName("histasdlg");
    Sluiten1 = PopupMenu1->addAction("Afsluiten");
    Sluiten1->setObjectName("Sluiten1");
    connect(Sluiten1, &QAction::triggered, this, &Thistasdlg::Sluiten1Click);
}

void Thistasdlg::FormActivate() {
    const RecordNo person = m_session.selectedPerson;
    auto read = readHistoryFile(m_session.dataDirectory, *m_session.fileCalls);
    if (auto* lines = std::get_if<std::vector<std::string>>(&read)) {
        showView(openWorldHistory(m_session.persons, person, currentMoment().year, std::move(*lines)));
        return;
    }
    // Without a history file there is nothing to place the life in.
    TimelineView empty;
    empty.caption = worldHistoryCaption(m_session.persons, person);
    showView(std::move(empty));
    const auto& failure = std::get<ReadError>(read);
    if (failure.problem != ReadProblem::Missing) {
        reportReadError(m_prompt, failure, m_session.dataDirectory / kHistoryFileName);
    }
}

void Thistasdlg::yearClicked(int line) {
    if (const auto text = worldHistoryClick(m_session.persons, m_session.selectedPerson, line)) inform(m_prompt, *text);
}

std::string Thistasdlg::notFoundText(const std::string& word) const { return worldHistoryNotFound(word); }

void Thistasdlg::Sluiten1Click() { reject(); }

}  // namespace brinox
