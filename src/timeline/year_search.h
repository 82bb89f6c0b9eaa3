#pragma once

// The search of a timeline list. Unlike a search that starts over after a
// miss, it stays where it was: pressing F3 again keeps reporting the miss
// until another word, direction or case option is asked for, or the find
// window is opened anew.

#include <optional>
#include <span>
#include <string>

#include "store/text_find.h"

namespace brinox {

class YearSearch {
public:
    // The window opened or the find window was opened: the next search
    // starts at the first line, or at the last when the last search went up.
    void restart(int lineCount);

    // Searches for the request from the start line. Another word, direction
    // or case option than last time starts again at the first (down) or last
    // (up) line. A match moves the start line past it; a miss leaves it.
    std::optional<int> findNext(std::span<const std::string> lines, const FindRequest& request);

    // The last search (down, case ignored, empty word at first).
    const FindRequest& last() const { return m_last; }

private:
    FindRequest m_last;
    int m_start = 0;
};

}  // namespace brinox
