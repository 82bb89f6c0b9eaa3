#include "kinship/relationship.h"

#include "selection/selection_lists.h"

namespace brinox {
namespace {

// First names, two blanks, family name.
std::string nameOf(const PersonTable& persons, RecordNo r) {
    return persons.getFirstNames(r) + "  " + persons.getFamilyName(r);
}

// The highest position 1..30 of `tree` that holds `person`; 0 when none.
int highestPositionOf(const AncestorTree& tree, RecordNo person) {
    int found = 0;
    for (int k = 1; k < kTreePositions; ++k) {
        if (tree[static_cast<std::size_t>(k)] == person) found = k;
    }
    return found;
}

// "x is de <position word> van y": the found person in label 1, the tree's
// owner in label 3.
void sayFoundInTree(Relationship& shown, const PersonTable& persons, RecordNo found, int position, RecordNo owner) {
    shown.labels[0] = nameOf(persons, found);
    shown.labels[1] = "is de " + positionWord(position) + " van ";
    shown.labels[2] = nameOf(persons, owner);
}

}  // namespace

int generationOf(int position) {
    if (position < 0 || position >= kTreePositions) return -1;
    int generation = 0;
    while (position >= (2 << generation) - 1) ++generation;
    return generation;
}

AncestorTree buildAncestorTree(const PersonTable& persons, RecordNo person) {
    AncestorTree tree{};
    if (persons.isPerson(person)) tree[0] = person;
    for (std::size_t k = 0; 2 * k + 2 < tree.size(); ++k) {
        const RecordNo child = tree[k];
        if (child.isNone()) continue;
        // A parent that is a free slot or lies beyond the table is not in the file.
        const RecordNo father = persons.getFather(child);
        const RecordNo mother = persons.getMother(child);
        if (persons.isPerson(father)) tree[2 * k + 1] = father;
        if (persons.isPerson(mother)) tree[2 * k + 2] = mother;
    }
    return tree;
}

std::string positionWord(int position) {
    const int generation = generationOf(position);
    if (generation < 1) return {};
    static const char* const kPrefixes[] = {"", "", "groot", "overgroot", "betovergroot"};
    std::string word = kPrefixes[generation];
    word += position % 2 == 1 ? "vader" : "moeder";
    if (generation == 1) return word;
    const int index = position - ((1 << generation) - 1);
    const bool fathersSide = index < (1 << (generation - 1));
    return word + (fathersSide ? " van vaderszijde" : " van moederszijde");
}

std::string relationshipWord(int generationA, int generationB, char sexB) {
    // A word for a man and for a woman.
    struct Word {
        const char* man;
        const char* woman;
    };
    if (sexB != 'm' && sexB != 'v') return "verre nicht";
    Word word{"verre neef", "verre nicht"};
    const Word removedCousin{"achterneef", "achternicht"};
    switch (generationA) {
        case 1:
            // A child of a brother or sister is a "neef" or "nicht"; "volle
            // neef" would make it a first cousin.
            if (generationB == 1) word = {"broer", "zuster"};
            if (generationB == 2) word = {"neef", "nicht"};
            if (generationB == 3) word = {"kleinneef", "kleinnicht"};
            if (generationB == 4) word = removedCousin;
            break;
        case 2:
            if (generationB == 1) word = {"oom", "tante"};
            if (generationB == 2) word = {"neef", "nicht"};
            if (generationB >= 3) word = removedCousin;
            break;
        case 3:
            if (generationB == 1) word = {"oudoom", "oudtante"};
            if (generationB >= 2) word = removedCousin;
            break;
        case 4:
            // A brother or sister of a great-grandparent is no distant cousin.
            if (generationB == 1) word = {"overoudoom", "overoudtante"};
            break;
        default: break;
    }
    return sexB == 'm' ? word.man : word.woman;
}

Relationship maaknieuwscherm(const PersonTable& persons, const UnionTable& unions, RecordNo a, RecordNo b) {
    Relationship shown;
    shown.personA = a;
    shown.personB = b;
    shown.caption = "Verwantschap tussen A: " + nameOf(persons, a) + " en B: " + nameOf(persons, b);
    shown.treeA = buildAncestorTree(persons, a);
    shown.treeB = buildAncestorTree(persons, b);

    if (a == b) {
        shown.labels[5] = "Dit is eenzelfde persoon.";
        shown.labels[6] = "Kies iemand anders!";
        shown.mainPanelShown = false;
        shown.secondPanelShown = true;
        return shown;
    }

    // A number that is no person (0 above all) would match the empty places of a tree.
    if (persons.isPerson(b)) {
        if (const int position = highestPositionOf(shown.treeA, b)) {
            shown.outcome = RelationOutcome::BInTreeOfA;
            shown.markedA = position;
            sayFoundInTree(shown, persons, b, position, a);
            return shown;
        }
    }
    if (persons.isPerson(a)) {
        if (const int position = highestPositionOf(shown.treeB, a)) {
            shown.outcome = RelationOutcome::AInTreeOfB;
            shown.markedB = position;
            sayFoundInTree(shown, persons, a, position, b);
            return shown;
        }
    }

    // The ancestor nearest to A, and among its places in B's tree the nearest to B.
    for (int i = 1; i < kTreePositions; ++i) {
        const RecordNo ancestor = shown.treeA[static_cast<std::size_t>(i)];
        if (ancestor.isNone()) continue;
        for (int j = 1; j < kTreePositions; ++j) {
            if (shown.treeB[static_cast<std::size_t>(j)] != ancestor) continue;
            shown.outcome = RelationOutcome::CommonAncestor;
            shown.markedA = i;
            shown.markedB = j;
            shown.commonAncestor = ancestor;
            shown.labels[0] = nameOf(persons, ancestor) + " is de gemeenschappelijke voorouder";
            shown.labels[1] = std::string(persons.getSex(ancestor) == 'm' ? "Hij is de " : "Zij is de ") +
                              positionWord(i) + " van ";
            shown.labels[2] = nameOf(persons, a);
            shown.labels[3] = "en de " + positionWord(j) + " van";
            shown.labels[4] = nameOf(persons, b);
            shown.labels[5] = nameOf(persons, b) + " is de " +
                              relationshipWord(generationOf(i), generationOf(j), persons.getSex(b)) + " van ";
            shown.labels[6] = nameOf(persons, a);
            shown.secondPanelShown = true;
            return shown;
        }
    }

    shown.labels[0] = "Bij het zoeken in de laatste 5 generaties van beide personen";
    shown.labels[1] = "is geen gemeenschappelijke voorouder gevonden.";
    shown.suggestedPartner = firstPartner(persons, unions, b);
    if (!shown.suggestedPartner.isNone()) {
        shown.labels[2] = "Misschien de partner van persoon B ?";
        shown.partnerCaption = toText(shown.suggestedPartner) + " " + nameOf(persons, shown.suggestedPartner);
    }
    return shown;
}

std::string chooseBStatus(const PersonTable& persons, RecordNo a) {
    return "Persoon A = " + persons.getFirstNames(a) + " " + persons.getFamilyName(a) +
           ".   U moet nu Persoon B kiezen";
}

std::string chooseAStatus(const PersonTable& persons, RecordNo b) {
    return "Persoon B = " + persons.getFirstNames(b) + " " + persons.getFamilyName(b) +
           ".   U moet nu Persoon A kiezen";
}

}  // namespace brinox
