#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "support/family_builder.h"
#include "timeline/contemporaries.h"
#include "timeline/world_history.h"
#include "timeline/year_search.h"

namespace brinox::testing {
namespace {

const char* const kEstimated = "Geboortejaar onbekend\n\nAangenomen is \n50 jaar voor het overlijden";
const char* const kUnknown = "Data van de levensperiode zijn onbekend";

TEST(ContemporaryLines, PlaceEveryPersonWithALineOnItsBirthYearInRecordOrder) {
    PersonTable persons;
    addPerson(persons, {'m', "A", "Oud", 1301});
    addPerson(persons, {'m', "A", "Jan", 1850});
    addPerson(persons, {'m', "A", "Eerst", 1300});   // 1300 itself is left off
    addPerson(persons, {'v', "A", "Ans", 1850});     // twin: same line, after Jan
    addPerson(persons, {'v', "A", "Later", 2011});   // beyond 2010: only when it is 2011 or later
    while (persons.count() < PersonTable::kSlots - 1) addPerson(persons, {'m', "A", "Geen"});
    addPerson(persons, {'v', "A", "Laatst", 1999});  // record 600

    for (const auto& [today, count] : {std::pair{2005, 711}, std::pair{2026, 727}}) {
        const auto lines = contemporaryLines(persons, today);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(count)) << today;
        EXPECT_EQ(lines[0], "1300   ");
        EXPECT_EQ(lines[1], "         | Oud |");
        EXPECT_EQ(lines[2], "     ");
        EXPECT_EQ(lines[550], "1850       | Jan |    | Ans |");
        EXPECT_EQ(lines[699], "         | Laatst |");
        EXPECT_EQ(lines[710], "2010   ");
        if (today == 2026) {
            EXPECT_EQ(lines[711], "         | Later |");
        }
        const auto placed = std::count_if(lines.begin(), lines.end(),
                                          [](const std::string& l) { return l.find('|') != std::string::npos; });
        EXPECT_EQ(placed, today == 2026 ? 4 : 3) << today;
    }
}

TEST(TimelineOpening, ShadesTheLifeClippedToTheListAndOpensFiveYearsBeforeTheBirth) {
    struct Case {
        int birth, death, today;
        std::optional<int> top;
        std::optional<LineRange> period;
        std::optional<std::string> message;
    } cases[] = {
        {1850, 1920, 2026, 545, LineRange{550, 620}, std::nullopt},
        {0, 1920, 2026, 565, LineRange{570, 620}, kEstimated},
        {1950, 0, 2005, 645, LineRange{650, 705}, std::nullopt},  // living: up to this year
        {1990, 2030, 2005, 685, LineRange{690, 710}, std::nullopt},
        {1302, 1400, 2026, 0, LineRange{2, 100}, std::nullopt},
        {0, 1320, 2026, 0, LineRange{0, 20}, kEstimated},
        {2040, 0, 2026, 726, std::nullopt, std::nullopt},
        {0, 0, 2026, std::nullopt, std::nullopt, kUnknown},
    };
    for (const auto& c : cases) {
        PersonTable persons;
        addPerson(persons, {'m', "Bos", "Jan", c.birth, 0, 0, 0, 0, c.death});
        const auto view = openContemporaries(persons, RecordNo(1), c.today);
        const std::string at = std::to_string(c.birth) + "-" + std::to_string(c.death);
        EXPECT_EQ(view.caption, "Wie leefde in dezelfde periode als Jan Bos (" + std::to_string(c.birth) + ") ?");
        EXPECT_EQ(view.top, c.top) << at;
        EXPECT_EQ(view.period, c.period) << at;
        EXPECT_EQ(view.message, c.message) << at;
        EXPECT_EQ(view.current, c.today - 1300) << at;
    }
}

TEST(TimelineClick, TellsTheAgeWithinTheLifeAndWhoWasBornThatYear) {
    PersonTable persons;
    addPerson(persons, {'m', "Bos", "Jan", 1850, 0, 0, 0, 0, 1920});  // 1
    addPerson(persons, {'v', "Bos", "Ans", 1850});                    // 2, Jan's twin
    addPerson(persons, {'m', "Bos", "Piet", 0, 0, 0, 0, 0, 1920});    // 3, born about 1870
    addPerson(persons, {'m', "Bos", "Kees"});                         // 4, no dates at all
    addPerson(persons, {'v', "Bos", "Els", 1900});                    // 5, still living
    const std::string born1850 = "1850\n\nDit is het geboortejaar van:           \n\n1  Jan Bos\n\n2  Ans Bos\n\n";
    const std::string born1900 = "1900\n\nDit is het geboortejaar van:           \n\n5  Els Bos\n\n";
    struct Case {
        int person, year;
        std::vector<std::string> messages;
        int lastFound;  // 9: unchanged
        std::optional<std::string> history;
    } cases[] = {
        {1, 1849, {}, 9, std::nullopt},
        {1, 1850, {born1850}, 2, "Jaar 1850\n\n is het geboortejaar van \nJan Bos"},
        {1, 1900, {"Jaar 1900. \n\nJan werd nu \n50 jaar geleden geboren", born1900}, 5,
         "Jaar 1900. \n\nJan Bos\nis nu 50 jaar oud"},
        {1, 1920, {"Jaar 1920. \n\nJan werd nu \n70 jaar geleden geboren"}, 9,
         "Jaar 1920. \n\nJan Bos\nis nu 70 jaar oud"},
        {1, 1921, {}, 9, std::nullopt},
        {3, 1860, {}, 9, std::nullopt},
        {3, 1870, {}, 9, "Jaar 1870\n\nis het geschatte geboortejaar van\nPiet Bos"},
        {3, 1900, {"Jaar 1900. \n\nPiet werd naar schatting \n30 jaar geleden geboren", born1900}, 5,
         "Jaar 1900.\n\nPiet Bos\nis naar schatting 30 jaar oud"},
        {3, 1921, {}, 9, std::nullopt},
        {4, 1850, {born1850}, 2, std::nullopt},
        {5, 2026, {"Jaar 2026. \n\nEls werd nu \n126 jaar geleden geboren"}, 9,
         "Jaar 2026. \n\nEls Bos\nis nu 126 jaar oud"},
    };
    for (const auto& c : cases) {
        RecordNo lastFound(9);
        const int line = c.year - 1300;
        const std::string at = std::to_string(c.person) + " in " + std::to_string(c.year);
        EXPECT_EQ(contemporariesClick(persons, RecordNo(c.person), line, lastFound), c.messages) << at;
        EXPECT_EQ(lastFound, RecordNo(c.lastFound)) << at;
        EXPECT_EQ(worldHistoryClick(persons, RecordNo(c.person), line), c.history) << at;
    }
    EXPECT_EQ(selectLastFoundQuestion(persons, RecordNo(2)),
              "Laatst gevonden naam was \n2 Ans Bos\n\nDeze persoon nu selecteren?");
}

TEST(YearSearch, StaysAfterAMissAndStartsOverOnlyForANewRequestOrARestart) {
    const std::vector<std::string> lines = {"Jan", "\xEBlla", "JAN", "Ella", "\xCBLLA"};  // ëlla, ËLLA
    const auto down = FindDirection::Down;
    const auto up = FindDirection::Up;
    struct Step {
        bool restart;
        FindRequest request;
        std::optional<int> found;
    } steps[] = {
        {false, {"jan", down, false}, 0},
        {false, {"jan", down, false}, 2},
        {false, {"jan", down, false}, std::nullopt},
        {false, {"jan", down, false}, std::nullopt},  // F3 again: still not found
        {true, {"jan", down, false}, 0},              // the find window opened anew
        {false, {"jan", up, false}, 2},               // another direction: from the last line
        {false, {"Jan", up, true}, 0},                // another case option
        {false, {"\xEBlla", down, false}, 1},         // another word
        {false, {"\xEBlla", down, false}, 4},         // ë is Ë, but not E
        {false, {"\xEBlla", down, false}, std::nullopt},
        {false, {"\xEBlla", down, true}, 1},
        {false, {"\xEBlla", down, true}, std::nullopt},
        {false, {"ella", up, false}, 3},
        {false, {"ella", up, false}, std::nullopt},
        {true, {"ella", up, false}, 3},  // opened again after an upward search: from the bottom
        {false, {"", down, false}, std::nullopt},
    };
    YearSearch search;
    search.restart(static_cast<int>(lines.size()));
    int step = 0;
    for (const auto& s : steps) {
        if (s.restart) search.restart(static_cast<int>(lines.size()));
        EXPECT_EQ(search.findNext(lines, s.request), s.found) << "step " << step;
        EXPECT_EQ(search.last(), s.request);
        ++step;
    }
}

}  // namespace
}  // namespace brinox::testing
