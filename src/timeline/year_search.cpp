#include "timeline/year_search.h"

#include <algorithm>

namespace brinox {

void YearSearch::restart(int lineCount) {
    m_start = m_last.direction == FindDirection::Up ? std::max(lineCount - 1, 0) : 0;
}

std::optional<int> YearSearch::findNext(std::span<const std::string> lines, const FindRequest& request) {
    const int count = static_cast<int>(lines.size());
    if (request != m_last) {
        m_last = request;
        restart(count);
    }
    const int step = request.direction == FindDirection::Down ? 1 : -1;
    for (int i = m_start; i >= 0 && i < count; i += step) {
        if (!lineContains(lines[static_cast<std::size_t>(i)], request.text, request.matchCase)) continue;
        m_start = i + step;
        return i;
    }
    return std::nullopt;
}

}  // namespace brinox
