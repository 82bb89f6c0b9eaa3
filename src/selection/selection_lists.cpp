#include "selection/selection_lists.h"

#include <algorithm>

#include "store/ansi_text.h"
#include "store/number_text.h"

namespace brinox {
namespace {

constexpr std::size_t kFillWidth = 160;
constexpr std::size_t kFillBlock = 12;

// The numbers are named, not temporaries: GCC 12 warns wrongly (-Wrestrict)
// on a literal plus a temporary string in optimised builds.
std::string bracketed(RecordNo r) {
    const std::string number = toText(r);
    return "[" + number + "]";
}

// Sorted insertion as the list box does it: each line goes after the lines
// that do not compare greater, so equal lines keep the order they came in.
void sortLines(std::vector<std::string>& lines) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const std::string& a, const std::string& b) { return compareAnsiNoCase(a, b) < 0; });
}

}  // namespace

ListKind listKindOf(int number) {
    if (number < 1 || number > 6) return ListKind::FamilyName;
    return static_cast<ListKind>(number);
}

std::string listTitle(ListKind kind, const std::string& searchWord) {
    switch (kind) {
        case ListKind::FamilyName: return "Alfabetische personenlijst gerangschikt naar Familienaam";
        case ListKind::FirstName: return "Alfabetische personenlijst gerangschikt naar Voornaam";
        case ListKind::RecordNumber: return "Alfabetische personenlijst gerangschikt naar recordnummer";
        case ListKind::BirthYear: return "Personenlijst gerangschikt naar hun Geboortejaar";
        case ListKind::Keyword: return "Personen, waarbij " + searchWord + " in een inforegel staat";
        case ListKind::History: return "Historie-lijst van Uw laatste 18 selecties";
    }
    return {};
}

std::string yearPart(const PersonTable& persons, RecordNo r) {
    const int year = persons.getBirthYear(r);
    if (year < 1) return {};
    return "  (" + std::to_string(year) + ")";
}

std::string fillAndNumber(std::string line, RecordNo r) {
    while (line.size() < kFillWidth) line.append(kFillBlock, ' ');
    return line + bracketed(r);
}

std::string familyNameLine(const PersonTable& persons, RecordNo r) {
    return fillAndNumber(persons.getFamilyName(r) + "  " + persons.getFirstNames(r) + yearPart(persons, r), r);
}

std::string firstNameLine(const PersonTable& persons, RecordNo r) {
    return fillAndNumber(persons.getFirstNames(r) + "  " + persons.getFamilyName(r) + yearPart(persons, r), r);
}

std::string recordNumberLine(const PersonTable& persons, RecordNo r) {
    return toText(persons.getNumber(r)) + "  " + persons.getFamilyName(r) + "  " + persons.getFirstNames(r) +
           yearPart(persons, r);
}

std::string birthYearLine(const PersonTable& persons, RecordNo r) {
    const int year = persons.getBirthYear(r);
    const std::string number = year == 0 ? "" : std::to_string(year);
    const std::string years = "(" + number + ")  ";
    return fillAndNumber(years + persons.getFamilyName(r) + "  " + persons.getFirstNames(r), r);
}

bool infoHolds(const PersonTable& persons, RecordNo r, const std::string& upperWord) {
    if (upperWord.empty()) return false;
    // Upper-cased with the accented letters too, on both sides, so "é" finds "É".
    const std::string word = ansiUpper(upperWord);
    if (ansiUpper(persons.getInfo1(r)).find(word) != std::string::npos) return true;
    return ansiUpper(persons.getInfo2(r)).find(word) != std::string::npos;
}

std::vector<std::string> maaklijst(const PersonTable& persons, SelectionState& selection) {
    const ListKind kind = listKindOf(selection.listKind);
    std::vector<std::string> lines;
    if (kind == ListKind::History) {
        lines.reserve(selection.history.size());
        for (const RecordNo r : selection.history) lines.push_back(familyNameLine(persons, r));
        return lines;
    }
    if (kind == ListKind::Keyword) selection.searchWord = asciiUpper(selection.searchWord);

    const int count = persons.count();
    lines.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 1; i <= count; ++i) {
        const RecordNo r(i);
        // A free slot has no name to sort by and must not be picked. The
        // record-number list keeps its line, because there a line's place is
        // its record.
        if (kind != ListKind::RecordNumber && !persons.isPerson(r)) continue;
        switch (kind) {
            case ListKind::FamilyName: lines.push_back(familyNameLine(persons, r)); break;
            case ListKind::FirstName: lines.push_back(firstNameLine(persons, r)); break;
            case ListKind::RecordNumber: lines.push_back(recordNumberLine(persons, r)); break;
            case ListKind::BirthYear: lines.push_back(birthYearLine(persons, r)); break;
            case ListKind::Keyword:
                if (infoHolds(persons, r, selection.searchWord)) lines.push_back(familyNameLine(persons, r));
                break;
            case ListKind::History: break;
        }
    }
    if (kind != ListKind::RecordNumber) sortLines(lines);
    return lines;
}

std::string clickedNumberOf(ListKind kind, const std::string& line) {
    if (kind == ListKind::RecordNumber) return line.substr(0, line.find(' '));
    // The number closes the line; a name may hold brackets of its own before it.
    const auto close = line.rfind(']');
    if (close == std::string::npos) return {};
    const auto open = line.rfind('[', close);
    if (open == std::string::npos) return {};
    return line.substr(open + 1, close - open - 1);
}

RecordNo recordOfClicked(const std::string& clicked) { return RecordNo(parseNumberText(clicked).value_or(0)); }

RecordNo firstPartner(const PersonTable& persons, const UnionTable& unions, RecordNo r) {
    if (!persons.isPerson(r)) return RecordNo();
    const bool man = persons.getSex(r) == 'm';
    for (int i = 0; i <= UnionTable::kLast; ++i) {
        const UnionEntry& entry = unions[i];
        const int self = man ? entry.man : entry.woman;
        const RecordNo other(man ? entry.woman : entry.man);
        if (self == r.value && persons.isPerson(other)) return other;
    }
    return RecordNo();
}

std::string buttonCaption(const PersonTable& persons, RecordNo r) {
    return toText(r) + "  " + persons.getFirstNames(r) + " " + persons.getFamilyName(r);
}

std::optional<int> lineStartingWith(const std::vector<std::string>& lines, char key) {
    const char upper = (key >= 'a' && key <= 'z') ? static_cast<char>(key - 'a' + 'A') : key;
    if (upper < 'A' || upper > 'Z') return std::nullopt;
    const char lower = static_cast<char>(upper - 'A' + 'a');
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty() && (lines[i][0] == upper || lines[i][0] == lower)) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace brinox
