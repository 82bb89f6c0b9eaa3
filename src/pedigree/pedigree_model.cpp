#include "pedigree/pedigree_model.h"

#include <algorithm>

#include "store/name_formats.h"
#include "store/number_text.h"

namespace brinox {
namespace {

const std::string kHeader = "Kinderen van:" + std::string(28, ' ');
const std::string kChildIndent(7, ' ');

}  // namespace

PedigreePersons pedigreePersons(const PersonTable& persons, RecordNo self) {
    PedigreePersons p{};
    p[kZelf] = self;
    if (self.isNone()) return p;
    p[kVader] = persons.getFather(self);
    p[kMoeder] = persons.getMother(self);
    if (!p[kVader].isNone()) {
        p[kOpaV] = persons.getFather(p[kVader]);
        p[kOmaV] = persons.getMother(p[kVader]);
    }
    if (!p[kMoeder].isNone()) {
        p[kOpaM] = persons.getFather(p[kMoeder]);
        p[kOmaM] = persons.getMother(p[kMoeder]);
    }
    return p;
}

std::vector<ChildEntry> childrenOf(const PersonTable& persons, RecordNo parent) {
    std::vector<ChildEntry> children;
    if (parent.isNone()) return children;
    const bool byFather = persons.getSex(parent) == 'm';
    for (int i = 1; i <= persons.count(); ++i) {
        const RecordNo r(i);
        if ((byFather ? persons.getFather(r) : persons.getMother(r)) != parent) continue;
        children.push_back({persons.getNumber(r), byFather ? persons.getMother(r) : persons.getFather(r),
                            persons.getBirthYear(r)});
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const ChildEntry& a, const ChildEntry& b) { return a.birthYear < b.birthYear; });
    return children;
}

std::vector<ChildrenLine> childrenLines(const PersonTable& persons, const std::vector<ChildEntry>& children) {
    std::vector<RecordNo> groups;
    for (const auto& c : children) {
        if (std::find(groups.begin(), groups.end(), c.otherParent) == groups.end()) groups.push_back(c.otherParent);
    }
    std::vector<ChildrenLine> lines;
    for (const RecordNo other : groups) {
        lines.push_back({kHeader + (other.isNone() ? "<Niet in het bestand>" : PedigreeName(persons, other)), other});
        for (const auto& c : children) {
            if (c.otherParent == other) lines.push_back({kChildIndent + NameAndBirthYear(persons, c.child), c.child});
        }
    }
    return lines;
}

std::string partnerLabelText(const PersonTable& persons, const UnionTable& unions, RecordNo self) {
    const bool isMan = persons.getSex(self) == 'm';
    std::string label;
    for (int i = 0; i < UnionTable::kEntries; ++i) {
        const auto& e = unions[i];
        if ((isMan ? e.man : e.woman) != self.value) continue;
        const RecordNo partner(isMan ? e.woman : e.man);
        if (partner.isNone()) continue;
        label = std::string(e.married != 0 ? " Gehuwd met [" : " Vaste relatie met [") + toText(partner) + "] " +
                NameAndBirthYear(persons, partner);
    }
    return label;
}

RecordNo partnerInLabel(const std::string& label) {
    const auto open = label.find('[');
    const auto close = label.find(']');
    if (open == std::string::npos || close == std::string::npos || close < open) return RecordNo();
    return RecordNo(parseNumberText(std::string_view(label).substr(open + 1, close - open - 1)).value_or(0));
}

PedigreeView buildPedigree(const Session& session) {
    PedigreeView view;
    const auto& persons = session.persons;
    if (persons.count() < 1) return view;
    const RecordNo self = session.selectedPerson;
    view.caption = "  " + session.familyCode + "  *** Takkenbos ***       Kwartierstaat van " +
                   persons.getFirstNames(self) + "  " + persons.getFamilyName(self);
    view.persons = pedigreePersons(persons, self);
    for (int i = 0; i < kPanelCount; ++i) view.panelTexts[i] = PedigreeName(persons, view.persons[i]);
    view.partnerLabel = partnerLabelText(persons, session.unions, self);
    view.children = childrenLines(persons, childrenOf(persons, self));
    return view;
}

}  // namespace brinox
