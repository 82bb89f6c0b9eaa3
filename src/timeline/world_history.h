#pragma once

// The life of the selected person placed in world history: the history file
// shown one line per year from 1300, the life shaded, and a click telling
// how old the person was in that year.

#include <optional>
#include <string>
#include <vector>

#include "store/person_table.h"
#include "timeline/timeline_view.h"

namespace brinox {

std::string worldHistoryCaption(const PersonTable& persons, RecordNo person);

// The window as it opens for `person` with the lines of the history file.
TimelineView openWorldHistory(const PersonTable& persons, RecordNo person, int currentYear,
                              std::vector<std::string> lines);

// The message of a click on line `line` for `person`, if any.
std::optional<std::string> worldHistoryClick(const PersonTable& persons, RecordNo person, int line);

std::string worldHistoryNotFound(const std::string& word);

}  // namespace brinox
