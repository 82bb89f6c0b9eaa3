#pragma once

#include <optional>
#include <string>
#include <vector>

#include "timeline/timeline_years.h"

namespace brinox {

// What a timeline window shows when it opens for a person.
struct TimelineView {
    std::string caption;
    std::vector<std::string> lines;
    std::optional<std::string> message;  // shown once the list is filled
    std::optional<int> top;              // the line scrolled to the top
    std::optional<LineRange> period;     // shaded grey
    std::optional<int> current;          // this year's line, shaded green
};

// Everything but the caption and the lines, for `life` in `lines`.
void placeLife(TimelineView& view, const LifeYears& life, int currentYear, const std::string& estimatedBirthText);

}  // namespace brinox
