#pragma once

// "Wie leefde in dezelfde periode": one line per year from 1300, each person
// of the family written on the line of the birth year, the selected person's
// life shaded, and a click telling the age then and who was born that year.

#include <optional>
#include <string>
#include <vector>

#include "store/person_table.h"
#include "timeline/timeline_view.h"

namespace brinox {

inline constexpr int kContemporariesLastYear = 2010;
// Fewer persons than this make no timeline worth showing.
inline constexpr int kContemporariesMinimumPersons = 20;
inline constexpr const char* kContemporariesTooFew = "Voer eerst minstens 20 familieleden in";

// The year lines, from 1300 to the later of 2010 and the current year, with
// every person of the table on the line of the birth year, in record order.
std::vector<std::string> contemporaryLines(const PersonTable& persons, int currentYear);

// The window as it opens for `person`.
TimelineView openContemporaries(const PersonTable& persons, RecordNo person, int currentYear);

// The messages of a click on line `line` for `person`, in order; `lastFound`
// becomes the last person born in that year, and stays when there is none.
std::vector<std::string> contemporariesClick(const PersonTable& persons, RecordNo person, int line,
                                             RecordNo& lastFound);

// The question whether the last found person should become the selected one.
std::string selectLastFoundQuestion(const PersonTable& persons, RecordNo lastFound);

inline constexpr const char* kTimelineHelp =
    "- Klik op een regel voor info over dat jaar.\n\n- De levensperiode heeft een grijze achtergrond. \n\n"
    "- Het huidige jaar heeft een groene achtergrond. ";

// The message when the search word is on no line.
std::string contemporariesNotFound(const std::string& word);

}  // namespace brinox
