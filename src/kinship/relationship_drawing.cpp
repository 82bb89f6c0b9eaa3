#include "kinship/relationship_drawing.h"

namespace brinox {
namespace {

// The origin of the pattern inside the drawing area.
constexpr int kX0 = 24;
constexpr int kY0 = 9;
// Letters stand on a grid of 8 by 15 pixels; presses are mapped on the same
// grid, shifted by one pixel to the right and down.
constexpr int kColumnWidth = 8;
constexpr int kRowHeight = 15;
constexpr int kPressX0 = 25;
constexpr int kPressY0 = 10;
constexpr int kOwnerRow = 9;

// The index of `position` within its generation, from the father's side.
int indexInGeneration(int position, int generation) { return position - ((1 << generation) - 1); }

}  // namespace

int rowOf(int position) { return kOwnerRow - 2 * generationOf(position); }

int columnOf(int position) {
    const int generation = generationOf(position);
    return (2 * indexInGeneration(position, generation) + 1) * (1 << (4 - generation)) - 1;
}

char letterOf(int position) { return position % 2 == 1 ? 'm' : 'v'; }

DrawingPoint letterPlace(int position) {
    return {kX0 + kColumnWidth * columnOf(position), kY0 + kRowHeight * rowOf(position)};
}

std::vector<DrawingSpan> forkLines() {
    struct Forks {
        int count, x, y, width;
        int step;
    };
    // From the top row of letters down to the parents.
    const Forks kForks[] = {{8, kX0, kY0 + 28, 24, 32},
                            {4, kX0 + 8, kY0 + 58, 40, 64},
                            {2, kX0 + 24, kY0 + 88, 72, 128},
                            {1, kX0 + 56, kY0 + 118, 136, 0}};
    constexpr int kHeight = 15;
    std::vector<DrawingSpan> lines;
    for (const Forks& forks : kForks) {
        for (int n = 0; n < forks.count; ++n) {
            const int x = forks.x + n * forks.step;
            const int middle = x + forks.width / 2;
            lines.push_back({{x + 2, forks.y}, {x + forks.width - 4, forks.y}});
            lines.push_back({{middle, forks.y}, {middle, forks.y + kHeight}});
        }
    }
    return lines;
}

DrawingSpan frameAround(int position) {
    const int left = kPressX0 + kColumnWidth * columnOf(position) - 4;
    const int top = kPressY0 + kRowHeight * rowOf(position);
    return {{left, top}, {left + 17, top + 17}};
}

DrawingContent drawingContent(const Relationship& relationship, const PersonTable& persons, DrawingSide side) {
    const bool a = side == DrawingSide::A;
    const RelationOutcome own = a ? RelationOutcome::BInTreeOfA : RelationOutcome::AInTreeOfB;
    DrawingContent content;
    content.shown = relationship.outcome == own || relationship.outcome == RelationOutcome::CommonAncestor;
    if (!content.shown) return content;
    content.ownerFirstNames = persons.getFirstNames(a ? relationship.personA : relationship.personB);
    content.framed = a ? relationship.markedA : relationship.markedB;
    return content;
}

std::optional<int> positionAt(int x, int y) {
    const int row = (y - kPressY0) / kRowHeight;
    const int column = (x - kPressX0) / kColumnWidth;
    if (row == kOwnerRow) return 0;
    if (row < 1 || row > 7 || row % 2 == 0 || column < 0) return std::nullopt;
    const int generation = (kOwnerRow - row) / 2;
    const int spacing = 1 << (4 - generation);
    // Column (2p + 1) * spacing - 1 holds index p of the generation.
    if ((column + 1) % spacing != 0 || ((column + 1) / spacing) % 2 == 0) return std::nullopt;
    const int index = ((column + 1) / spacing - 1) / 2;
    if (index >= (1 << generation)) return std::nullopt;
    return (1 << generation) - 1 + index;
}

PressTarget pressTarget(const Relationship& relationship, DrawingSide side, int x, int y) {
    PressTarget target;
    target.position = positionAt(x, y);
    if (target.position) {
        const AncestorTree& tree = side == DrawingSide::A ? relationship.treeA : relationship.treeB;
        target.person = tree[static_cast<std::size_t>(*target.position)];
    }
    return target;
}

void identifyPressed(Session& session, Prompt& prompt, AncestorIdentifier& identifier, const PressTarget& target,
                     DrawingSide side) {
    if (!target.position) return;
    session.relationship.pointedAt = target.person;
    if (target.person.isNone()) {
        inform(prompt, kNotInFamilyMessage);
        return;
    }
    // Every identification from a drawing starts at the person's first photo.
    session.photoRestart = true;
    identifier.identify(target.person, side);
}

}  // namespace brinox
