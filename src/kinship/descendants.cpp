#include "kinship/descendants.h"

#include <algorithm>
#include <array>

namespace brinox {
namespace {

enum class LineKind { Progenitor, Descendant, Partner };

// The dates behind a name; each kind of line spaces them its own way. The
// years are named strings: GCC 12 warns wrongly (-Wrestrict) on a literal
// plus a temporary string.
std::string datesText(LineKind kind, int birth, int death) {
    const std::string born = std::to_string(birth);
    const std::string died = std::to_string(death);
    if (birth != 0) {
        std::string text = kind == LineKind::Progenitor ? ",  (" : ", (";
        text += born;
        if (death != 0) text += "-" + died;
        return text + ")";
    }
    if (death == 0) return {};
    const std::string open = kind == LineKind::Descendant ? "(  -" : "(   -";
    return open + died + ")";
}

std::string lineText(const PersonTable& persons, RecordNo r, LineKind kind) {
    std::string text = kind == LineKind::Partner ? "*   " : "-- ";
    text += persons.getFirstNames(r) + "  " + persons.getFamilyName(r) +
            datesText(kind, persons.getBirthYear(r), persons.getDeathYear(r));
    if (text.size() > kDescendantTextWidth) text.resize(kDescendantTextWidth);
    return text;
}

// Children and partners of every person, found once for the whole walk.
class FamilyLinks {
public:
    FamilyLinks(const PersonTable& persons, const UnionTable& unions)
        : m_children(static_cast<std::size_t>(persons.count()) + 1),
          m_partners(static_cast<std::size_t>(persons.count()) + 1) {
        const int count = persons.count();
        auto isParent = [&](RecordNo parent, char sex) {
            // A man's children are found through their father, anyone
            // else's through their mother.
            return persons.isPerson(parent) && (persons.getSex(parent) == 'm') == (sex == 'm');
        };
        for (int r = 1; r <= count; ++r) {
            const RecordNo child(r);
            if (!persons.isPerson(child)) continue;
            const RecordNo father = persons.getFather(child);
            const RecordNo mother = persons.getMother(child);
            if (isParent(father, 'm')) at(m_children, father).push_back(child);
            if (isParent(mother, 'v')) at(m_children, mother).push_back(child);
        }
        // Equal birth years keep record order; a child without one (0) comes first.
        for (auto& group : m_children) {
            std::stable_sort(group.begin(), group.end(), [&](RecordNo a, RecordNo b) {
                return persons.getBirthYear(a) < persons.getBirthYear(b);
            });
        }
        for (int i = 0; i < UnionTable::kEntries; ++i) {
            const UnionEntry& entry = unions[i];
            if (!entry.inUse()) continue;
            const RecordNo man(entry.man), woman(entry.woman);
            if (!persons.isPerson(man) || !persons.isPerson(woman)) continue;
            if (persons.getSex(man) == 'm') at(m_partners, man).push_back(woman);
            if (persons.getSex(woman) == 'v') at(m_partners, woman).push_back(man);
        }
    }

    const std::vector<RecordNo>& children(RecordNo r) const { return m_children[static_cast<std::size_t>(r.value)]; }
    const std::vector<RecordNo>& partners(RecordNo r) const { return m_partners[static_cast<std::size_t>(r.value)]; }

private:
    static std::vector<RecordNo>& at(std::vector<std::vector<RecordNo>>& table, RecordNo r) {
        return table[static_cast<std::size_t>(r.value)];
    }

    std::vector<std::vector<RecordNo>> m_children;
    std::vector<std::vector<RecordNo>> m_partners;
};

class Walker {
public:
    Walker(const PersonTable& persons, const FamilyLinks& links, DescendantWalk& walk)
        : m_persons(persons), m_links(links), m_walk(walk) {}

    // A person's line and the lines of the partners; false once the list is full.
    bool listPerson(RecordNo r, int indentation, LineKind kind) {
        if (!append(r, indentation, kind)) return false;
        if (kind == LineKind::Descendant) ++m_walk.descendantCount;
        for (const RecordNo partner : m_links.partners(r)) {
            if (!append(partner, indentation, LineKind::Partner)) return false;
        }
        return true;
    }

private:
    bool append(RecordNo r, int indentation, LineKind kind) {
        if (m_walk.lines.size() >= static_cast<std::size_t>(kMaxDescendantLines)) {
            m_walk.cutShort = true;
            return false;
        }
        m_walk.lines.push_back({indentation, r, lineText(m_persons, r, kind), kind == LineKind::Partner});
        return true;
    }

    const PersonTable& m_persons;
    const FamilyLinks& m_links;
    DescendantWalk& m_walk;
};

}  // namespace

DescendantWalk walkDescendants(const PersonTable& persons, const UnionTable& unions, RecordNo progenitor) {
    DescendantWalk walk;
    if (!persons.isPerson(progenitor)) return walk;
    walk.progenitor = progenitor;
    const FamilyLinks links(persons, unions);
    Walker walker(persons, links, walk);
    if (!walker.listPerson(progenitor, 3, LineKind::Progenitor)) return walk;

    // The path from the progenitor down to the person whose children are
    // being listed, each with the next child to list.
    struct Step {
        RecordNo person;
        std::size_t nextChild = 0;
    };
    std::vector<Step> path{{progenitor}};
    std::vector<bool> onPath(static_cast<std::size_t>(persons.count()) + 1);
    onPath[static_cast<std::size_t>(progenitor.value)] = true;
    while (!path.empty()) {
        Step& step = path.back();
        const auto& children = links.children(step.person);
        if (step.nextChild == children.size()) {
            onPath[static_cast<std::size_t>(step.person.value)] = false;
            path.pop_back();
            continue;
        }
        const RecordNo child = children[step.nextChild++];
        const int indentation = 3 + 5 * static_cast<int>(path.size());
        if (!walker.listPerson(child, indentation, LineKind::Descendant)) break;
        // A loop in the parent links would lead back here for ever.
        if (onPath[static_cast<std::size_t>(child.value)] || links.children(child).empty()) continue;
        onPath[static_cast<std::size_t>(child.value)] = true;
        path.push_back({child});
    }
    return walk;
}

std::vector<std::string> shownLines(const DescendantWalk& walk) {
    std::vector<std::string> lines;
    lines.reserve(walk.lines.size());
    for (const auto& line : walk.lines) lines.push_back(line.shown());
    return lines;
}

std::string descendantsTitle(const PersonTable& persons, const DescendantWalk& walk) {
    if (walk.progenitor.isNone()) return "Afstammelingen";
    const std::string count = std::to_string(walk.descendantCount);
    return "Afstammelingen (" + count + " directe ) van " +
           persons.getFirstNames(walk.progenitor) + "  " + persons.getFamilyName(walk.progenitor);
}

std::string cutShortWarning() {
    const std::string most = std::to_string(kMaxDescendantLines);
    return "De lijst is na " + most + " regels afgebroken:\ner zijn meer afstammelingen en partners dan de lijst kan tonen.";
}

std::string ordinalWord(int generation) {
    static const std::array<const char*, 19> words = {
        "nulde",     "eerste",     "tweede",     "derde",      "vierde",     "vijfde",    "zesde",
        "zevende",   "achtste",    "negende",    "tiende",     "elfde",      "twaalfde",  "dertiende",
        "veertiende", "vijftiende", "zestiende", "zeventiende", "achttiende"};
    if (generation >= 0 && generation < static_cast<int>(words.size())) {
        return words[static_cast<std::size_t>(generation)];
    }
    return std::to_string(generation) + "e";
}

ClickMessage clickMessage(const PersonTable& persons, const DescendantWalk& walk, std::size_t index) {
    const DescendantLine& line = walk.lines.at(index);
    const int generation = line.generation();
    const std::string n = toText(line.person);
    std::string t = "  ";
    t += line.text.substr(1);
    const std::string progenitorNames = persons.getFirstNames(walk.progenitor);
    const std::string question = "\n\nDeze persoon selecteren en \nterug naar de Kwartierstaat?";
    if (generation == 0 && !line.partner) {
        const bool man = persons.getSex(walk.progenitor) == 'm';
        return {MessageKind::Information, n + t + "\n" + (man ? "is de stamhouder" : "is de stamhoudster"), {}};
    }
    std::string text;
    if (generation == 0) {
        text = n + t + "\nis met " + progenitorNames + "\ngetrouwd.";
    } else if (!line.partner) {
        text = n + t + "\nis een directe afstammeling van \n" + progenitorNames + "\nen behoort tot de " +
               ordinalWord(generation) + " generatie erna.";
    } else {
        text = n + t + "\nis geen directe afstammeling van \n" + progenitorNames + ",\nmaar aangetrouwd in de \n" +
               ordinalWord(generation) + " generatie erna.";
    }
    return {MessageKind::Confirmation, text + question, line.person};
}

std::string descendantsHelpText(const std::string& reportName) {
    return "- Iedere volgende generatie springt 5 spaties in.\n\n- De Partner van de bloedverwant wordt met * "
           "aangeduid.\n\n- Met Opslaan wordt alles in een tekstfile \n\n" +
           reportName + "\n\ngeplaatst.";
}

}  // namespace brinox
