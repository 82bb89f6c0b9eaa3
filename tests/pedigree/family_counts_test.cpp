#include <gtest/gtest.h>

#include "pedigree/family_counts.h"
#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> values(const Session& session) {
    std::vector<std::string> shown;
    for (const auto& row : familyCounts(session)) shown.push_back(row.value);
    return shown;
}

// 3 men, 2 women and a free slot; two unions, one half union, one in entry 0.
Session smallFamily(const fs::path& dataDirectory) {
    Session session;
    session.dataDirectory = dataDirectory;
    session.familyCode = "SMIT";
    for (char sex : {'m', 'v', 'm', 'm', 'v', 'm'}) addPerson(session.persons, {sex, "Smit", "X"});
    session.persons.erase(RecordNo(6));
    addUnion(session.unions, RecordNo(1), RecordNo(2));
    addUnion(session.unions, RecordNo(3), RecordNo(5), false);
    session.unions[3] = UnionEntry{4, 0, 1, 0};
    session.unions[0] = UnionEntry{4, 5, 1, 0};
    fs::create_directories(dataDirectory / "SMIT");
    return session;
}

TEST(FamilyCounts, CountsPersonsUnionsAndRegularFilesIgnoringCase) {
    TempDir dir;
    Session session = smallFamily(dir.path());
    for (const char* name : {"fam001A.jpg", "FAM002B.JPG", "fam001.wav", "Fam003a.Txt", "fam001.afs", "x001.jpg"}) {
        writeBytes(dir / "SMIT" / name, {1});
    }
    fs::create_directory(dir / "SMIT" / "fam004A.jpg");
    EXPECT_EQ(values(session), (std::vector<std::string>{"SMIT", "6", "3", "2", "2", "2", "0", "1", "1", "1"}));
    writeBytes(dir / "SMIT" / "smit.TX1", std::vector<std::uint8_t>(3 * 106 + 105));
    EXPECT_EQ(values(session).at(6), "3");

    session.persons.setCount(0);
    EXPECT_EQ(values(session), (std::vector<std::string>{"SMIT", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST(FamilyCounts, ACaptionFileThatIsAFolderOrADanglingLinkHoldsNoCaptions) {
    TempDir dir;
    const Session session = smallFamily(dir.path());
    const auto caption = dir / "SMIT" / "SMIT.tx1";
    fs::create_directory(caption);
    EXPECT_EQ(values(session).at(6), "0");
    fs::remove(caption);
    fs::create_symlink("nowhere.tx1", caption);
    EXPECT_EQ(values(session).at(6), "0");
}

TEST(CliCounts, PrintsEveryRowButTheRule) {
    TempDir dir;
    Session family = smallFamily(dir.path());
    family.unions[0] = UnionEntry{};  // loading would make it a union of its own
    writeFamily(family, dir.path(), "SMIT");
    writeBytes(dir / "SMIT" / "fam001A.jpg", {1});
    const auto run = runCommandLine({"--data", dir.path().string(), "counts"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "count\tFamilie :\tSMIT\n"
              "count\tHet aantal personen in dit bestand is :\t6\n"
              "count\tAantal mannen :\t3\n"
              "count\tAantal vrouwen :\t2\n"
              "count\tAantal geregistreerde huwelijken :\t2\n"
              "count\tAantal aanwezige foto's  :\t1\n"
              "count\tAantal onderschriften\t0\n"
              "count\tAantal stemfragmenten :\t0\n"
              "count\tAantal levensbeschrijvingen :\t0\n"
              "count\tAantal nageslacht-files :\t0\n");
}

}  // namespace
}  // namespace brinox::testing
