#pragma once

// Finding a text in the lines of a list, as the find window asks for it:
// down or up from the current position, with or without regard to letter
// case. Used by every window whose list can be searched.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brinox {

enum class FindDirection { Down, Up };

// What the find window asks for; the text is Windows-1252.
struct FindRequest {
    std::string text;
    FindDirection direction = FindDirection::Down;
    bool matchCase = false;

    bool operator==(const FindRequest&) const = default;
};

// True when `line` contains `text`. Without `matchCase` every Windows-1252
// letter matches its other case (ë and Ë), while accents still count (e is
// not ë). An empty text is found nowhere.
bool lineContains(std::string_view line, std::string_view text, bool matchCase);

// The search position and the options of the last search of one list. The
// position always names a line of the list (0 for an empty one), however
// the list changed since the last search.
class LineSearch {
public:
    // The find window was opened: the next search starts at the first line,
    // or at the last one when the previous search went up.
    void restart(int lineCount);

    // Searches from the position in the request's direction. A changed
    // direction or case option starts again at the first (down) or last (up)
    // line. Answers the index of the matching line and moves the position
    // past it; when nothing matches, answers nothing and starts over, so the
    // next search runs through the whole list again.
    std::optional<int> findNext(std::span<const std::string> lines, const FindRequest& request);

    // The options and the text of the last search (down, no case, empty at first).
    const FindRequest& last() const { return m_last; }
    int position() const { return m_position; }

private:
    void startAtEdge(int lineCount);

    FindRequest m_last;
    int m_position = 0;
    // The last match was the edge line in the search direction: there is
    // nothing left to search until the search starts over.
    bool m_passedEdge = false;
};

}  // namespace brinox
