#include <gtest/gtest.h>

#include <tuple>

#include "persons/details_report.h"
#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::Texts;

const std::string kLine(136, '-');

Moment day(int year, int month, int d) { return Moment{year, month, d}; }

TEST(DetailsReport, DeceasedWomanWithParentsLineByLine) {
    Session s;
    addPerson(s.persons, {'m', "Bakker", "Hendrik", 1890});
    addPerson(s.persons, {'v', "Smit", "Grietje", 1892});
    addPerson(s.persons, {'v', "Bakker", "Ren\xE9" "e Anna", 1920, 6, 15, 1, 2, 1990, 6, 10, "Onderwijzeres", "Utrecht"});
    EXPECT_EQ(detailsReport(s.persons, s.unions, RecordNo(3), day(2024, 3, 1)),
              (Texts{"  Recordnummer : 3", "  Naam         : Bakker", "  Voornamen    : Ren\xE9" "e Anna",
                     "  Geslacht     : vrouw", kLine, "  Vader        : 1 Hendrik Bakker",
                     "  Moeder       : 2 Grietje Smit", kLine, "  Geboortedatum:  15-6-1920",
                     "  Overleden op :  10-6-1990", "  Zij bereikte de leeftijd van 69 jaar en 12 maanden", kLine,
                     "  Aanvullende informatie:", "  Onderwijzeres", "  Utrecht"}));
}

TEST(DetailsReport, LivingPersonsAgeTodayAndAfterAHundredYearsHowLongAgo) {
    Session s;
    addPerson(s.persons, {'m', "Dorkum", "Jan", 1950, 1, 1});
    addPerson(s.persons, {'v', "Dorkum", "Mies", 1990, 5, 31});
    addPerson(s.persons, {'m', "Dorkum", "Piet", 1950, 6, 15});
    for (const auto& [r, today, line] : {
             std::tuple{1, day(2000, 1, 1), "  Hij is nu 50 jaar en 0 maanden"},
             {2, day(2000, 6, 30), "  Zij is nu 10 jaar en 0 maanden"},  // May 31 to June 30 is no month yet
             {2, day(2000, 7, 1), "  Zij is nu 10 jaar en 1 maanden"},
             {3, day(2000, 6, 14), "  Hij is nu 49 jaar en 12 maanden"},
             {3, day(2050, 12, 31), "  Hij is nu 100 jaar en 6 maanden"},
             {3, day(2051, 6, 14), "  Hij werd 100 jaren geleden geboren"},
             {2, day(2091, 6, 1), "  Zij werd 101 jaren geleden geboren"}}) {
        EXPECT_EQ(detailsReport(s.persons, s.unions, RecordNo(r), today).at(9), line) << line;
    }
}

TEST(DetailsReport, UnknownBirthYearShowsNeitherAgeNorDeathAndNoParentsSaySo) {
    Session s;
    addPerson(s.persons, {'-', "Zonder", "Zus", 0, 3, 5, 0, 0, 1980, 2, 2});
    EXPECT_EQ(detailsReport(s.persons, s.unions, RecordNo(1), day(2000, 1, 1)),
              (Texts{"  Recordnummer : 1", "  Naam         : Zonder", "  Voornamen    : Zus",
                     "  Geslacht     : vrouw", kLine, "  Vader        : niet in het bestand",
                     "  Moeder       : niet in het bestand", kLine, "  Geboortedatum:  5-3-0", kLine,
                     "  Aanvullende informatie:", "  ", "  "}));
}

TEST(DetailsReport, PartnersInTableOrderOnTheSideOfTheSex) {
    Session s;
    const auto piet = addPerson(s.persons, {'m', "Dorkum", "Piet", 1950, 1, 1, 0, 0, 2010, 1, 1});  // 1
    const auto anna = addPerson(s.persons, {'v', "Smit", "Anna", 1952});                            // 2
    const auto bep = addPerson(s.persons, {'v', "Vries", "Bep"});                                   // 3
    const auto cor = addPerson(s.persons, {'v', "Kok", "Cor", 1960});                               // 4
    addUnion(s.unions, piet, bep, false);         // 1
    addUnion(s.unions, RecordNo(9), piet, true);  // 2: Piet on the wrong side, not his
    addUnion(s.unions, piet, anna, true);         // 3
    addUnion(s.unions, piet, cor, true);          // 4
    const auto lines = detailsReport(s.persons, s.unions, piet, day(2024, 1, 1));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(Texts(lines.begin() + 10, lines.begin() + 15),
              (Texts{"  Hij bereikte de leeftijd van 60 jaar en 0 maanden", "  Vaste relatie met 3 Bep  Vries    (0)",
                     "  Gehuwd met 2 Anna  Smit    (1952)", "  Gehuwd met 4 Cor  Kok    (1960)", kLine}));
    EXPECT_EQ(detailsReport(s.persons, s.unions, anna, day(2024, 1, 1)).at(10), "  Gehuwd met 1 Piet  Dorkum    (1950)");
}

TEST(CliDetails, PrintsOneLinePerReportLineForTheGivenDay) {
    testing::TempDir dir;
    Session family;
    addPerson(family.persons, {'m', "Dorkum", "Jan", 1950, 1, 1});
    addPerson(family.persons, {'v', "Vries", "Ren\xE9" "e", 1952, 2, 29});
    addUnion(family.unions, RecordNo(1), RecordNo(2), false);
    testing::writeFamily(family, dir.path(), "DORKUM", 1);

    const auto run = testing::runCommandLine({"--data", dir.path().string(), "details", "2", "--today", "2000-01-01"});
    EXPECT_EQ(run.code, 0) << run.err;
    const std::string dashes = "line\t" + kLine + "\n";
    EXPECT_EQ(run.out, "line\t  Recordnummer : 2\nline\t  Naam         : Vries\nline\t  Voornamen    : Ren\xC3\xA9" "e\n"
                       "line\t  Geslacht     : vrouw\n" + dashes + "line\t  Vader        : niet in het bestand\n"
                       "line\t  Moeder       : niet in het bestand\n" + dashes + "line\t  Geboortedatum:  29-2-1952\n"
                       "line\t  Zij is nu 47 jaar en 10 maanden\nline\t  Vaste relatie met 1 Jan  Dorkum    (1950)\n" +
                       dashes + "line\t  Aanvullende informatie:\nline\t  \nline\t  \n");
    const auto outside = testing::runCommandLine({"--data", dir.path().string(), "details", "3"});
    EXPECT_EQ(outside.code, 1);
    EXPECT_EQ(outside.err, "record number outside 1..2: 3\n");
}

}  // namespace
}  // namespace brinox
