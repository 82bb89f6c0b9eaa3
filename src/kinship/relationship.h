#pragma once

// How person B is related to person A: the ancestor trees of both over five
// generations, the search for the one in the other's tree or for a common
// ancestor, and the Dutch sentences that say what was found.

#include <array>
#include <string>

#include "store/person_table.h"
#include "store/union_table.h"

namespace brinox {

// Position 0 holds the tree's owner; the father of position k stands at
// 2k + 1 and the mother at 2k + 2, down to the great-great-grandparents at
// 15..30. Odd positions are men, even ones women.
inline constexpr int kTreePositions = 31;
using AncestorTree = std::array<RecordNo, kTreePositions>;

// 0 for position 0, 1 for 1..2, 2 for 3..6, 3 for 7..14, 4 for 15..30; -1
// outside the tree.
int generationOf(int position);

// The tree of `person`. Only persons of the table take a place: record 0,
// numbers outside 1..count and free slots leave their position 0, and so do
// all their ancestors.
AncestorTree buildAncestorTree(const PersonTable& persons, RecordNo person);

// What the person at `position` is of the tree's owner ("vader",
// "grootmoeder van vaderszijde", ...); empty for 0 and outside the tree.
std::string positionWord(int position);

// What B is of A ("broer", "tante", "achterneef", ...), from the generation of
// the common ancestor in A's tree (1..4), its generation in B's tree (1..4)
// and B's sex; "verre nicht" for a sex other than 'm' and 'v'.
std::string relationshipWord(int generationA, int generationB, char sexB);

enum class RelationOutcome { Nothing = 0, BInTreeOfA = 1, CommonAncestor = 2, AInTreeOfB = 3 };

// The design-time title, shown until the first evaluation.
inline constexpr const char* kRelationshipTitle = "Verwantschap tussen de geselecteerde en een ander familielid";

// Everything the relationship window shows after an evaluation.
struct Relationship {
    RecordNo personA;
    RecordNo personB;
    AncestorTree treeA{};
    AncestorTree treeB{};
    RelationOutcome outcome = RelationOutcome::Nothing;
    // The position framed in A's drawing (B's place, or the common ancestor's)
    // and in B's drawing (A's place, or the common ancestor's); 0 for none.
    int markedA = 0;
    int markedB = 0;
    RecordNo commonAncestor;
    std::string caption = kRelationshipTitle;
    std::array<std::string, 7> labels;  // label 1 at index 0
    bool mainPanelShown = true;
    bool secondPanelShown = false;
    RecordNo suggestedPartner;
    std::string partnerCaption;  // empty while the partner button is hidden
};

// Evaluates the relationship of B to A (maaknieuwscherm). Both trees are
// built every time. The same record as A and B is "the same person" before
// any tree is searched, so a parent loop never makes someone his own
// ancestor. A or B that is no person of the table is never found in a tree,
// and the partner button is offered only for a person of the table.
Relationship maaknieuwscherm(const PersonTable& persons, const UnionTable& unions, RecordNo a, RecordNo b);

// The status line while person B, or person A, is being chosen.
std::string chooseBStatus(const PersonTable& persons, RecordNo a);
std::string chooseAStatus(const PersonTable& persons, RecordNo b);

}  // namespace brinox
