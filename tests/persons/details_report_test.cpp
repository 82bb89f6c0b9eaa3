#include <gtest/gtest.h>

#include "persons/details_report.h"
#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox {
namespace {

using testing::addPerson;
using testing::addUnion;
using testing::runCommandLine;
using testing::Texts;

const std::string kLine(136, '-');

Moment day(int year, int month, int d) {
    Moment m;
    m.year = year;
    m.month = month;
    m.day = d;
    return m;
}

class DetailsReport : public ::testing::Test {
protected:
    // The line after the birth date: the age, or the first partner or the separator.
    std::string lifeLine(RecordNo r, const Moment& today) {
        return detailsReport(session.persons, session.unions, r, today).at(9);
    }

    Session session;
};

TEST_F(DetailsReport, DeceasedWomanWithParentsLineByLine) {
    auto& p = session.persons;
    addPerson(p, {'m', "Bakker", "Hendrik", 1890});                                             // 1
    addPerson(p, {'v', "Smit", "Grietje", 1892});                                               // 2
    addPerson(p, {'v', "Bakker", "Ren\xE9" "e Anna", 1920, 6, 15, 1, 2, 1990, 6, 10, "Onderwijzeres", "Utrecht"});
    const auto lines = detailsReport(p, session.unions, RecordNo(3), day(2024, 3, 1));
    EXPECT_EQ(lines, (Texts{"  Recordnummer : 3",
                            "  Naam         : Bakker",
                            "  Voornamen    : Ren\xE9" "e Anna",
                            "  Geslacht     : vrouw",
                            kLine,
                            "  Vader        : 1 Hendrik Bakker",
                            "  Moeder       : 2 Grietje Smit",
                            kLine,
                            "  Geboortedatum:  15-6-1920",
                            "  Overleden op :  10-6-1990",
                            "  Zij bereikte de leeftijd van 69 jaar en 12 maanden",
                            kLine,
                            "  Aanvullende informatie:",
                            "  Onderwijzeres",
                            "  Utrecht"}));
}

TEST_F(DetailsReport, LivingPersonsAgeTodayCountsThirtyDayMonths) {
    auto& p = session.persons;
    const auto jan = addPerson(p, {'m', "Dorkum", "Jan", 1950, 1, 1});
    const auto mei = addPerson(p, {'v', "Dorkum", "Mies", 1990, 5, 31});
    const auto jun = addPerson(p, {'m', "Dorkum", "Piet", 1950, 6, 15});
    EXPECT_EQ(lifeLine(jan, day(2000, 1, 1)), "  Hij is nu 50 jaar en 0 maanden");
    // From the last of May to the first of June is no month at all.
    EXPECT_EQ(lifeLine(mei, day(2000, 6, 1)), "  Zij is nu 10 jaar en 0 maanden");
    EXPECT_EQ(lifeLine(mei, day(2000, 6, 30)), "  Zij is nu 10 jaar en 0 maanden");
    EXPECT_EQ(lifeLine(mei, day(2000, 7, 1)), "  Zij is nu 10 jaar en 1 maanden");
    // The day before the birthday: a year short, and 364 days make 12 months.
    EXPECT_EQ(lifeLine(jun, day(2000, 6, 14)), "  Hij is nu 49 jaar en 12 maanden");
    EXPECT_EQ(lifeLine(jun, day(2000, 6, 15)), "  Hij is nu 50 jaar en 0 maanden");
    // 101 years after the birth year only how long ago, in completed years.
    EXPECT_EQ(lifeLine(jun, day(2050, 12, 31)), "  Hij is nu 100 jaar en 6 maanden");
    EXPECT_EQ(lifeLine(jun, day(2051, 6, 14)), "  Hij werd 100 jaren geleden geboren");
    EXPECT_EQ(lifeLine(mei, day(2091, 6, 1)), "  Zij werd 101 jaren geleden geboren");
}

TEST_F(DetailsReport, DatesInTheWrongOrderGiveNegativeNumbersWithTheirSign) {
    auto& p = session.persons;
    const auto future = addPerson(p, {'v', "Later", "Lien", 2010, 1, 1});
    const auto before = addPerson(p, {'m', "Raar", "Rob", 1950, 1, 1, 0, 0, 1940, 1, 1});
    const auto badMonth = addPerson(p, {'m', "Fout", "Frits", 1950, 100, 1});
    EXPECT_EQ(lifeLine(future, day(2000, 1, 1)), "  Zij is nu -10 jaar en 0 maanden");
    EXPECT_EQ(detailsReport(p, session.unions, before, day(2000, 1, 1)).at(10),
              "  Hij bereikte de leeftijd van -10 jaar en 0 maanden");
    // 31 - 3001 + 365 = -2605 days, cut towards zero to -86 months.
    EXPECT_EQ(lifeLine(badMonth, day(2000, 1, 1)), "  Hij is nu 49 jaar en -86 maanden");
}

TEST_F(DetailsReport, UnknownBirthYearShowsNeitherAgeNorDeathAndNoParentsSaySo) {
    auto& p = session.persons;
    const auto r = addPerson(p, {'-', "Zonder", "Zus", 0, 3, 5, 0, 0, 1980, 2, 2});
    const auto lines = detailsReport(p, session.unions, r, day(2000, 1, 1));
    EXPECT_EQ(lines, (Texts{"  Recordnummer : 1", "  Naam         : Zonder", "  Voornamen    : Zus",
                            "  Geslacht     : vrouw", kLine, "  Vader        : niet in het bestand",
                            "  Moeder       : niet in het bestand", kLine, "  Geboortedatum:  5-3-0", kLine,
                            "  Aanvullende informatie:", "  ", "  "}));
}

TEST_F(DetailsReport, PartnersInTableOrderOnTheSideOfTheSex) {
    auto& p = session.persons;
    const auto piet = addPerson(p, {'m', "Dorkum", "Piet", 1950, 1, 1, 0, 0, 2010, 1, 1});  // 1
    const auto anna = addPerson(p, {'v', "Smit", "Anna", 1952});                            // 2
    const auto bep = addPerson(p, {'v', "Vries", "Bep"});                                   // 3
    const auto cor = addPerson(p, {'v', "Kok", "Cor", 1960});                               // 4
    auto& u = session.unions;
    addUnion(u, piet, bep, false);          // 1
    addUnion(u, RecordNo(9), piet, true);   // 2: Piet on the wrong side, not his
    addUnion(u, piet, anna, true);          // 3
    u[4] = UnionEntry{1, 0, 1, 0};          // half an entry is no union
    addUnion(u, piet, cor, true);           // 5
    u[6] = UnionEntry{1, 2, 2, 0};          // any non-zero byte is a marriage
    const auto lines = detailsReport(p, u, piet, day(2024, 1, 1));
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(Texts(lines.begin() + 11, lines.begin() + 15),
              (Texts{"  Vaste relatie met 3 Bep  Vries    (0)", "  Gehuwd met 2 Anna  Smit    (1952)",
                     "  Gehuwd met 4 Cor  Kok    (1960)", "  Gehuwd met 2 Anna  Smit    (1952)"}));
    EXPECT_EQ(lines[15], kLine);

    const auto hers = detailsReport(p, u, anna, day(2024, 1, 1));
    EXPECT_EQ(hers.at(9), "  Zij is nu 72 jaar en 1 maanden");
    EXPECT_EQ(hers.at(10), "  Gehuwd met 1 Piet  Dorkum    (1950)");
    EXPECT_EQ(hers.at(11), "  Gehuwd met 1 Piet  Dorkum    (1950)");
    EXPECT_EQ(hers.at(12), kLine);
}

TEST(CliDetails, PrintsOneLinePerReportLineForTheGivenDay) {
    testing::TempDir dir;
    Session family;
    addPerson(family.persons, {'m', "Dorkum", "Jan", 1950, 1, 1});
    addPerson(family.persons, {'v', "Vries", "Ren\xE9" "e", 1952, 2, 29});
    addUnion(family.unions, RecordNo(1), RecordNo(2), false);
    testing::writeFamily(family, dir.path(), "DORKUM", 1);

    const auto run = runCommandLine({"--data", dir.path().string(), "details", "2", "--today", "2000-01-01"});
    EXPECT_EQ(run.code, 0) << run.err;
    const std::string dashes = "line\t" + kLine + "\n";
    EXPECT_EQ(run.out, "line\t  Recordnummer : 2\n"
                       "line\t  Naam         : Vries\n"
                       "line\t  Voornamen    : Ren\xC3\xA9" "e\n"
                       "line\t  Geslacht     : vrouw\n" +
                           dashes +
                           "line\t  Vader        : niet in het bestand\n"
                           "line\t  Moeder       : niet in het bestand\n" +
                           dashes +
                           "line\t  Geboortedatum:  29-2-1952\n"
                           "line\t  Zij is nu 47 jaar en 10 maanden\n"
                           "line\t  Vaste relatie met 1 Jan  Dorkum    (1950)\n" +
                           dashes +
                           "line\t  Aanvullende informatie:\n"
                           "line\t  \n"
                           "line\t  \n");

    const auto outside = runCommandLine({"--data", dir.path().string(), "details", "3"});
    EXPECT_EQ(outside.code, 1);
    EXPECT_EQ(outside.out, "");
    EXPECT_EQ(outside.err, "record number outside 1..2: 3\n");
}

}  // namespace
}  // namespace brinox
