#include "store/text_find.h"

#include <algorithm>

#include "store/ansi_text.h"

namespace brinox {

bool lineContains(std::string_view line, std::string_view text, bool matchCase) {
    if (text.empty()) return false;
    if (matchCase) return line.find(text) != std::string_view::npos;
    return ansiUpper(line).find(ansiUpper(text)) != std::string::npos;
}

void LineSearch::startAtEdge(int lineCount) {
    m_position = m_last.direction == FindDirection::Up ? std::max(lineCount - 1, 0) : 0;
    m_passedEdge = false;
}

void LineSearch::restart(int lineCount) { startAtEdge(lineCount); }

std::optional<int> LineSearch::findNext(std::span<const std::string> lines, const FindRequest& request) {
    const int count = static_cast<int>(lines.size());
    const bool optionsChanged = request.direction != m_last.direction || request.matchCase != m_last.matchCase;
    m_last = request;
    if (optionsChanged) startAtEdge(count);
    // The list may have been built anew, shorter, since the last search.
    m_position = std::clamp(m_position, 0, std::max(count - 1, 0));

    const bool down = request.direction == FindDirection::Down;
    const int step = down ? 1 : -1;
    if (!m_passedEdge) {
        for (int i = m_position; i >= 0 && i < count; i += step) {
            if (!lineContains(lines[static_cast<std::size_t>(i)], request.text, request.matchCase)) continue;
            const int next = i + step;
            m_passedEdge = next < 0 || next >= count;
            m_position = m_passedEdge ? i : next;
            return i;
        }
    }
    startAtEdge(count);
    return std::nullopt;
}

}  // namespace brinox
