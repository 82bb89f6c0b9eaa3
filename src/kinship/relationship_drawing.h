#pragma once

// The two drawings of the relationship window: a fixed pattern of "m" and
// "v" letters for the 30 ancestor positions, joined by forks, with the found
// position framed in red; and what a mouse press in a drawing points at.
// All coordinates are pixels inside a drawing area of 300 by 215.

#include <optional>
#include <string>
#include <vector>

#include "kinship/relationship.h"
#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

enum class DrawingSide { A, B };

struct DrawingPoint {
    int x = 0;
    int y = 0;
    bool operator==(const DrawingPoint&) const = default;
};

// A line, or a rectangle, from the first corner to the second.
struct DrawingSpan {
    DrawingPoint from;
    DrawingPoint to;
    bool operator==(const DrawingSpan&) const = default;
};

inline constexpr int kDrawingWidth = 300;
inline constexpr int kDrawingHeight = 215;
// The rounded rectangle around the pattern, and its corner size.
inline constexpr DrawingSpan kOutline{{7, 9}, {284, 199}};
inline constexpr int kOutlineCorner = 20;
// The red rectangle around the owner's name, and where the first names start.
inline constexpr DrawingSpan kNameBox{{50, 145}, {250, 170}};
inline constexpr DrawingPoint kNamePlace{70, 150};

// The row (1, 3, 5, 7) and column (0..30) of positions 1..30 in the pattern.
int rowOf(int position);
int columnOf(int position);

// 'm' at odd positions, 'v' at even ones.
char letterOf(int position);
// The top-left corner of the letter of position 1..30.
DrawingPoint letterPlace(int position);
// The two lines of each of the 15 forks that join the letters, top row first.
std::vector<DrawingSpan> forkLines();
// The red square around position 1..30.
DrawingSpan frameAround(int position);

// What one drawing shows after an evaluation: whether it is shown at all,
// the first names written in the red box, and the framed position (0: none).
struct DrawingContent {
    bool shown = false;
    std::string ownerFirstNames;
    int framed = 0;
};
DrawingContent drawingContent(const Relationship& relationship, const PersonTable& persons, DrawingSide side);

// The tree position a press at (x, y) points at: position 0 anywhere in row 9,
// the position whose letter stands at that row and column in rows 7, 5, 3 and
// 1, and none elsewhere. Row and column are (y - 10) / 15 and (x - 25) / 8,
// truncated toward zero.
std::optional<int> positionAt(int x, int y);

// A press: the position it hit (none for a miss) and who stands there (0
// when nobody of the family does, and for a miss).
struct PressTarget {
    std::optional<int> position;
    RecordNo person;
};
PressTarget pressTarget(const Relationship& relationship, DrawingSide side, int x, int y);

// Tells who stands at a position of a drawing: the identification window.
// It may make `person` the new person B (session.relationship.personB).
class AncestorIdentifier {
public:
    virtual ~AncestorIdentifier() = default;
    virtual void identify(RecordNo person, DrawingSide side) = 0;
};

inline constexpr const char* kNotInFamilyMessage = "Deze persoon staat niet in het familiebestand";

// Acts on a press that hit a position: the person there becomes the
// pointed-at person; nobody gives the not-in-the-family message, anybody
// restarts the photo sequence and is identified. A miss does nothing.
void identifyPressed(Session& session, Prompt& prompt, AncestorIdentifier& identifier, const PressTarget& target,
                     DrawingSide side);

}  // namespace brinox
