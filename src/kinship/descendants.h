#pragma once

// The descendants of one person (the progenitor), generation under
// generation, each followed by his or her partners: the lines of the
// descendants window, its title, and what a click on a line says.

#include <string>
#include <vector>

#include "store/person_table.h"
#include "store/prompt.h"
#include "store/union_table.h"

namespace brinox {

// More lines than this are not listed: a family whose children married
// among each other over many generations can reach the same persons along
// countless paths.
inline constexpr int kMaxDescendantLines = 10000;

// Longer line texts are cut to this many characters.
inline constexpr std::size_t kDescendantTextWidth = 60;

struct DescendantLine {
    int indentation = 0;  // 3 for the progenitor's generation, 5 more for each generation below
    RecordNo person;      // the person the line names
    std::string text;     // without the indentation, at most 60 characters
    bool partner = false;

    // 0 for the progenitor and his or her partners, 1 for the children, ...
    int generation() const { return (indentation - 3) / 5; }
    // As the list shows it: the indentation as blanks, then the text.
    std::string shown() const { return std::string(static_cast<std::size_t>(indentation), ' ') + text; }
};

struct DescendantWalk {
    RecordNo progenitor;  // none when there was no walk (no such person)
    std::vector<DescendantLine> lines;
    int descendantCount = 0;  // descendant lines: the progenitor and the partners not counted
    bool cutShort = false;    // stopped at kMaxDescendantLines with more to list
};

// Lists the progenitor, the partners, then every child with the whole
// subtree below it, children in birth-year order (year 0 first, equal years
// in record order). A child of two descendants is listed under each. A
// person already on the path from the progenitor down (a loop in the parent
// links) is listed but not followed again. Empty when `progenitor` is no
// person of the table.
DescendantWalk walkDescendants(const PersonTable& persons, const UnionTable& unions, RecordNo progenitor);

// The list's lines as shown, indentation included.
std::vector<std::string> shownLines(const DescendantWalk& walk);

// "Afstammelingen (N directe ) van " + the progenitor's names; "Afstammelingen"
// without a walk.
std::string descendantsTitle(const PersonTable& persons, const DescendantWalk& walk);

// Shown after a walk that was cut short.
std::string cutShortWarning();

// "nulde" .. "achttiende" for generations 0 to 18, then "19e", "20e", ...
std::string ordinalWord(int generation);

// What a click on a line tells; `selects` is the person that becomes the
// SelectedPerson when the user confirms, none for the progenitor's own line.
struct ClickMessage {
    MessageKind kind = MessageKind::Information;
    std::string text;
    RecordNo selects;
};

// The message for line `index` of the walk (which must exist). The person is
// the one the line was built for, so namesakes, lines without a birth year
// and names cut at the line's end all lead to the right person.
ClickMessage clickMessage(const PersonTable& persons, const DescendantWalk& walk, std::size_t index);

// The text of "&Help", naming the report file.
std::string descendantsHelpText(const std::string& reportName);

}  // namespace brinox
