#include "timeline/timeline_view.h"

namespace brinox {

void placeLife(TimelineView& view, const LifeYears& life, int currentYear, const std::string& estimatedBirthText) {
    const int lineCount = static_cast<int>(view.lines.size());
    view.message = lifeUnknownMessage(life, estimatedBirthText);
    view.top = openingTopLine(life, lineCount);
    view.period = lifePeriodLines(life, currentYear, lineCount);
    view.current = lineInList(currentYear, lineCount);
}

}  // namespace brinox
