#pragma once

// The six lists of the person selection window (maaklijst) and the small
// rules around them: titles, tracing a clicked line back to its record, the
// first partner of a person, button captions and the letter-key search.
// Texts are Windows-1252 bytes, as the person table holds them.

#include <optional>
#include <string>
#include <vector>

#include "store/person_table.h"
#include "store/session.h"
#include "store/union_table.h"

namespace brinox {

// The lists, numbered as the session keeps the list kind.
enum class ListKind { FamilyName = 1, FirstName = 2, RecordNumber = 3, BirthYear = 4, Keyword = 5, History = 6 };

// The kind of a stored list-kind number; FamilyName for anything outside 1..6.
ListKind listKindOf(int number);

// The title bar of a list; the keyword list names `searchWord` as given.
std::string listTitle(ListKind kind, const std::string& searchWord);

// Two blanks and "(" birth year ")" when the birth year is 1 or more; empty otherwise.
std::string yearPart(const PersonTable& persons, RecordNo r);

// Appends blocks of 12 blanks while the line is shorter than 160 characters
// (so it ends 160 to 171 long), then "[" r "]".
std::string fillAndNumber(std::string line, RecordNo r);

// One line of each kind for record r. Out-of-range records give empty names
// and no year, so their lines show only the numbers.
std::string familyNameLine(const PersonTable& persons, RecordNo r);  // kinds 1, 5 and 6
std::string firstNameLine(const PersonTable& persons, RecordNo r);
std::string recordNumberLine(const PersonTable& persons, RecordNo r);  // no fill, no brackets
std::string birthYearLine(const PersonTable& persons, RecordNo r);

// True when `upperWord` occurs in the upper-cased info1 or, failing that, in
// the upper-cased info2. Accented letters match in either case. An empty
// word matches nobody.
bool infoHolds(const PersonTable& persons, RecordNo r, const std::string& upperWord);

// maaklijst: the lines of the session's current list kind. Sorted kinds (1,
// 2, 4, 5) hold the persons only, no free slots, in ascending order of the
// whole line, compared without regard to case by compareAnsiNoCase; lines
// that compare equal keep record order. Kind 3 has a line for every record
// 1..count in record order, free slots included; kind 6 always has 18 lines
// in slot order. For kind 5 the search word is first upper-cased (a..z) and
// stored back.
std::vector<std::string> maaklijst(const PersonTable& persons, SelectionState& selection);

// The record number text of a clicked line: for kind 3 the text up to the
// first blank, for the other kinds the text between the last "]" and the
// "[" before it, so brackets in a name do not count. Empty when the line has
// no such part.
std::string clickedNumberOf(ListKind kind, const std::string& line);

// The record a clicked-number text names; 0 when it is empty or no number.
RecordNo recordOfClicked(const std::string& clicked);

// The first partner of r: for a man ('m') the woman of the first UnionTable
// entry (0..400) whose man is r and whose woman is a person; for anyone else
// the man of the first entry whose woman is r and whose man is a person. 0
// when none, and always 0 when r is no person (a free slot, 0, beyond count).
RecordNo firstPartner(const PersonTable& persons, const UnionTable& unions, RecordNo r);

// What the Persoon and Partner buttons show: record number, two blanks,
// first names, one blank, family name.
std::string buttonCaption(const PersonTable& persons, RecordNo r);

// The first line from the top whose first character is `key` in either case;
// empty when `key` is no letter A..Z (either case) or no line starts with it.
std::optional<int> lineStartingWith(const std::vector<std::string>& lines, char key);

}  // namespace brinox
