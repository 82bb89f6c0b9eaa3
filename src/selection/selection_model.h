#pragma once

// What the person selection window shows and does, without the window: the
// list, its title, the two buttons and the clicked number, and what each
// handler changes in the session. The window (Tselectiedlg) and the
// command line both drive this.

#include <optional>
#include <string>
#include <vector>

#include "selection/selection_lists.h"
#include "store/session.h"

namespace brinox {

class SelectionModel {
public:
    explicit SelectionModel(Session& session);

    // Opening the window: build the current list, then put the SelectedPerson
    // on the Persoon button (left empty when it is no person).
    void open();

    // maaklijst and what follows it: the Persoon button empty, the Partner
    // button for the reference person's first partner (hidden when none),
    // the clicked number empty.
    void build();

    // A list chosen from the menu: its kind, the saved top line back to 0,
    // and a rebuild.
    void choose(ListKind kind);

    // A left press on line `row`. The line's person goes on the Persoon button
    // and that person's first partner on the Partner button, and the choice
    // is recorded in the history. A line that names no person (an empty
    // history slot, a free slot in the record-number or history list) empties
    // the Persoon button, hides the Partner button and is not recorded.
    // Nothing happens for a row outside the list.
    void click(int row);

    // The Persoon button: false, and nothing changes, while its caption is
    // empty. Otherwise the result becomes the clicked number (the
    // SelectedPerson when no line was clicked) and `topLine` is saved.
    bool choosePerson(int topLine);

    // The Partner button: false while it is hidden. Otherwise the result
    // becomes the person the button shows.
    bool choosePartner();

    // Cancel, Escape and the close box: the result empty, `topLine` saved.
    void cancel(int topLine);

    ListKind kind() const { return listKindOf(m_session.selection.listKind); }
    const std::string& title() const { return m_title; }
    const std::vector<std::string>& lines() const { return m_lines; }
    const std::string& clickedNumber() const { return m_clicked; }

    // Empty while the Persoon button hands back nobody.
    const std::string& personCaption() const { return m_personCaption; }
    bool partnerShown() const { return !m_partner.isNone(); }
    RecordNo partner() const { return m_partner; }
    // Empty while the Partner button is hidden.
    std::string partnerCaption() const;

    // The letter-key search over the current lines.
    std::optional<int> lineForKey(char key) const { return lineStartingWith(m_lines, key); }

private:
    void showPartnerOf(RecordNo person);

    Session& m_session;
    std::vector<std::string> m_lines;
    std::string m_title;
    std::string m_clicked;
    std::string m_personCaption;
    RecordNo m_partner;
};

}  // namespace brinox
