#include "selection/selection_history.h"

#include <algorithm>

namespace brinox {

void recordSelection(SelectionState& selection, RecordNo r) {
    constexpr int kSlots = SelectionState::kHistorySlots;
    ++selection.historyCount;
    if (selection.historyCount <= kSlots) {
        selection.history[selection.historyCount - 1] = r;
        return;
    }
    // Keeps the count from growing without bound in a very long session.
    selection.historyCount = kSlots + 1;
    std::rotate(selection.history.begin(), selection.history.begin() + 1, selection.history.end());
    selection.history[kSlots - 1] = r;
}

}  // namespace brinox
