#include "selection/selection_model.h"

#include "selection/selection_history.h"

namespace brinox {

SelectionModel::SelectionModel(Session& session) : m_session(session) {}

void SelectionModel::open() {
    build();
    if (m_session.persons.isPerson(m_session.selectedPerson)) {
        m_personCaption = buttonCaption(m_session.persons, m_session.selectedPerson);
    }
}

void SelectionModel::build() {
    SelectionState& selection = m_session.selection;
    m_lines = maaklijst(m_session.persons, selection);
    m_title = listTitle(kind(), selection.searchWord);
    m_personCaption.clear();
    showPartnerOf(selection.reference);
    m_clicked.clear();
}

void SelectionModel::choose(ListKind kind) {
    m_session.selection.listKind = static_cast<int>(kind);
    m_session.selection.savedTopLine = 0;
    build();
}

void SelectionModel::click(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_lines.size()) return;
    m_clicked = clickedNumberOf(kind(), m_lines[static_cast<std::size_t>(row)]);
    const RecordNo person = recordOfClicked(m_clicked);
    // In the record-number list the line's place is its record, whatever the
    // record's own number field says.
    const RecordNo recorded = kind() == ListKind::RecordNumber ? RecordNo(row + 1) : person;
    const PersonTable& persons = m_session.persons;
    if (!persons.isPerson(person) || !persons.isPerson(recorded)) {
        // An empty history slot or a free slot: handing it back would give
        // the caller no person, so nothing is offered.
        m_personCaption.clear();
        m_partner = RecordNo();
        return;
    }
    m_personCaption = buttonCaption(persons, person);
    showPartnerOf(person);
    recordSelection(m_session.selection, recorded);
}

bool SelectionModel::choosePerson(int topLine) {
    if (m_personCaption.empty()) return false;
    m_session.selection.result = m_clicked.empty() ? toText(m_session.selectedPerson) : m_clicked;
    m_session.selection.savedTopLine = topLine;
    return true;
}

bool SelectionModel::choosePartner() {
    if (m_partner.isNone()) return false;
    m_session.selection.result = toText(m_partner);
    return true;
}

void SelectionModel::cancel(int topLine) {
    m_session.selection.result.clear();
    m_session.selection.savedTopLine = topLine;
}

std::string SelectionModel::partnerCaption() const {
    if (m_partner.isNone()) return {};
    return buttonCaption(m_session.persons, m_partner);
}

void SelectionModel::showPartnerOf(RecordNo person) {
    m_partner = firstPartner(m_session.persons, m_session.unions, person);
}

}  // namespace brinox
