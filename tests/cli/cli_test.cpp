#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "store/config_file.h"
#include "store/family_files.h"
#include "support/cli_run.h"
#include "support/family_builder.h"
#include "support/temp_dir.h"

namespace brinox::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The names in a directory, to see that a command left no stray files behind.
std::set<std::string> entries(const std::filesystem::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// The lines of `text` whose key is `key`, without the key and its TAB.
std::vector<std::string> valuesOf(const std::string& text, const std::string& key) {
    std::vector<std::string> values;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + "\t", 0) == 0) values.push_back(line.substr(key.size() + 1));
    }
    return values;
}

class CliTest : public ::testing::Test {
protected:
    TempDir dir;
    Session session;

    std::string data() const { return dir.path().string(); }
    FamilyFiles files(const std::string& code) const { return familyFiles(dir.path(), code); }

    // Runs a command that must fail with `code`, print nothing and report `message`.
    void expectRefused(const std::vector<std::string>& arguments, int code, const std::string& message) {
        const auto result = runCommandLine(arguments);
        EXPECT_EQ(result.code, code) << message;
        EXPECT_EQ(result.out, "") << message;
        EXPECT_EQ(result.err, message);
    }
};

TEST_F(CliTest, PersonsPrintsEveryRecordWithEscapesUtf8AndEmptyDates) {
    auto& persons = session.persons;
    addPerson(persons, {.sex = 'm', .familyName = "de Vries", .firstNames = "Jan", .birthYear = 1921, .birthMonth = 7,
                        .birthDay = 3, .info1 = "Smid\nte Ede", .info2 = "a\tb\\c"});
    // A slot that was never used: every byte 0, so no sex character at all.
    persons.putRecord(RecordNo(2), PersonRecord{});
    persons.setCount(2);
    addPerson(persons, {.sex = 'v', .familyName = "Jansen", .firstNames = "Rene\xE9 Zo\xEB", .father = 1,
                        .deathYear = 1904, .deathMonth = 8, .deathDay = 17, .info1 = "  Caf\xE9 ",
                        .info2 = "Prijs \x80 5"});
    addPerson(persons, {.sex = 'm', .familyName = "Weg", .firstNames = "Wis", .birthYear = 1950});
    persons.erase(RecordNo(4));
    writeFamily(session, dir.path(), "SMIT");

    const auto result = runCommandLine({"--data", data(), "persons"});

    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out,
              "person\t1\tm\tde Vries\tJan\t3-7-1921\t0-0-0\t0\t0\tSmid\\nte Ede\ta\\tb\\\\c\n"
              "person\t2\t\t\t\t0-0-0\t0-0-0\t0\t0\t\t\n"
              "person\t3\tv\tJansen\tReneé Zoë\t0-0-0\t17-8-1904\t1\t0\t  Café \tPrijs € 5\n"
              "person\t4\t-\t\t\t0-0-0\t0-0-0\t0\t0\t\t\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, OptionsStandBeforeOrAfterTheCommandAndTheFamilyIsUpperCased) {
    addPerson(session.persons, {'m', "Bos", "Kees", 1960});
    writeFamily(session, dir.path(), "D\xC9 JONG");  // the folder is "DÉ JONG"
    writeFamily(Session(), dir.path(), "SMIT");      // brinox.cfg names SMIT

    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--data", data(), "--family", "dé jong", "persons"},
             {"--selected", "1", "persons", "--family=Dé Jong", "--data=" + data() + "/"}}) {
        const auto result = runCommandLine(arguments);
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(result.out, "person\t1\tm\tBos\tKees\t0-0-1960\t0-0-0\t0\t0\t\t\n");
    }
    const auto pedigree = runCommandLine({"--data", data(), "--family", "dé jong", "pedigree", "1"});
    EXPECT_EQ(valuesOf(pedigree.out, "caption").at(0),
              "  DÉ JONG  *** Takkenbos ***       Kwartierstaat van Kees  Bos");
}

TEST_F(CliTest, WrongUsageExitsWithOneAndMissingFamilyFilesWithTwo) {
    expectRefused({"--data", data(), "persons"}, 2, "Er is nog geen familie-bestand aanwezig\n");

    for (int i = 0; i < 3; ++i) addPerson(session.persons, {'m', "X", "Y"});
    writeFamily(session, dir.path(), "SMIT");
    const std::string d = data();
    expectRefused({"--data", d}, 1, "usage: brinox-cli [OPTIONS] COMMAND [ARGUMENTS]\n");
    expectRefused({"--data", d, "kwartierstaat"}, 1, "unknown command: kwartierstaat\n");
    expectRefused({"--data", d, "--kleur", "persons"}, 1, "unknown option: --kleur\n");
    expectRefused({"--data", d, "--family", "a/b", "persons"}, 1,
                  "De naam A/B kan geen familiebestand zijn.\nGebruik letters, cijfers, spaties of een streepje, "
                  "zonder punt of schuine streep.\n");
    expectRefused({"--data", d, "pedigree", "4"}, 1, "record number outside 1..3: 4\n");

    std::filesystem::remove(files("SMIT").unions);
    expectRefused({"--data", d, "unions"}, 2,
                  "Bestand of map niet gevonden.\n" + files("SMIT").unions.string() + "\n");
}

TEST_F(CliTest, ResaveTakesOnlyTheFamilysOwnPasswordThenWritesBothFilesWhole) {
    addPerson(session.persons, {'m', "Smit", "Jan"});
    addPerson(session.persons, {'v', "Kok", "Els"});
    addPerson(session.persons, {'v', "Wit", "Ida"});
    UnionTable tidy;
    addUnion(tidy, RecordNo(1), RecordNo(2));
    addUnion(tidy, RecordNo(1), RecordNo(3), false);
    // Written the way an older program might have left them: a torn record
    // after the persons, and a short union file with an empty entry 0 and an
    // entry that names only a woman.
    Bytes personsBefore = encodePersonFile(session.persons);
    personsBefore.resize(personsBefore.size() + 100, 0xAB);
    const Bytes unionsBefore{0, 0, 0, 0, 0, 0, 1, 0, 2, 0, 1, 0, 0, 0, 2, 0, 1, 0, 1, 0, 3, 0, 0, 0};
    const std::string warning = "message\twarning\tGeen goed wachtwoord ontvangen.\\nHet bestand is niet bijgewerkt.\n";

    // Tjalko opens VDORKUM only; a wrong password is shown once, in the message.
    for (const auto& [code, right, wrong] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"SMIT", "7341PX", "Tjalko"}, {"VDORKUM", "Tjalko", "tjalko é"}}) {
        SCOPED_TRACE(code);
        const FamilyFiles family = files(code);
        writeFamily(session, dir.path(), code);
        writeBytes(family.persons, personsBefore);
        writeBytes(family.unions, unionsBefore);
        auto result = runCommandLine({"--data", data(), "resave", "--password", wrong});
        EXPECT_EQ(result.code, 1);
        EXPECT_EQ(result.out, "message\tinformation\t" + wrong + "\\nis niet het goede wachtwoord.\n" + warning);
        result = runCommandLine({"--data", data(), "resave"});
        EXPECT_EQ(result.code, 1);
        EXPECT_EQ(result.out, warning);
        EXPECT_EQ(fileBytes(family.persons), personsBefore);
        EXPECT_EQ(fileBytes(family.unions), unionsBefore);
        EXPECT_EQ(entries(family.directory), (std::set<std::string>{code + ".da1", code + ".hu1"}));
        // Loading drops the half entry and closes up the rest.
        EXPECT_EQ(runCommandLine({"unions", "--data", data()}).out, "union\t1\t1\t2\t1\nunion\t2\t1\t3\t0\n");

        result = runCommandLine({"resave", "--data", data(), "--password=" + right});
        EXPECT_EQ(result.code, 0);
        EXPECT_EQ(result.out, "message\tinformation\tHet bestand is op disk bijgewerkt\n");
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(fileBytes(family.persons), encodePersonFile(session.persons));
        EXPECT_EQ(std::filesystem::file_size(family.unions), 2406u);
        EXPECT_EQ(fileBytes(family.unions), encodeUnionFile(tidy));
        EXPECT_EQ(entries(family.directory), (std::set<std::string>{code + ".da1", code + ".hu1", code + ".lck"}));
    }
}

class CliPedigreeFamily : public CliTest {
protected:
    void SetUp() override {
        auto& p = session.persons;
        addPerson(p, {'m', "Dijk", "Pieter", 1900});           // 1
        addPerson(p, {'v', "Smit", "Aaltje", 1902});           // 2
        addPerson(p, {'m', "Dijk", "Jan", 1925, 0, 0, 1, 2});  // 3
        addPerson(p, {'v', "Bos", "Ida", 1927});               // 4
        addPerson(p, {'m', "Dijk", "Dani\xEBl", 1950, 0, 0, 3, 4});  // 5
        addPerson(p, {'v', "Kok", "Zo\xEB", 1952});            // 6
        addPerson(p, {'v', "Wit", "Lo\xEFs", 1960});           // 7
        addPerson(p, {'m', "Dijk", "Tom", 1975, 0, 0, 5, 6});  // 8
        addPerson(p, {'v', "Dijk", "Eva", 1980, 0, 0, 5, 7});  // 9
        addPerson(p, {'m', "Dijk", "Bas", 1980, 0, 0, 5, 7});  // 10
        addPerson(p, {'v', "Dijk", "Mila", 1978, 0, 0, 5});    // 11
        addUnion(session.unions, RecordNo(3), RecordNo(4));
        addUnion(session.unions, RecordNo(5), RecordNo(6));
        addUnion(session.unions, RecordNo(5), RecordNo(7), false);
        writeFamily(session, dir.path(), "DIJK", 8);
    }
};

TEST_F(CliPedigreeFamily, PrintsPanelsPartnerAndChildrenLines) {
    const std::string header = "Kinderen van:" + std::string(28, ' ');
    const auto result = runCommandLine({"--data", data(), "pedigree", "5"});

    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "caption\t  DIJK  *** Takkenbos ***       Kwartierstaat van Daniël  Dijk\n"
                          "opa_v1\tPieter  Dijk\n"
                          "oma_v1\tAaltje  Smit\n"
                          "opa_m1\t\n" "oma_m1\t\n"
                          "vader1\tJan  Dijk\n"
                          "moeder1\tIda  Bos\n"
                          "zelf1\tDaniël  Dijk\n"
                          "Label7\t Vaste relatie met [7] Loïs  Wit    (1960)\n"
                          "List\t6\t" + header + "Zoë  Kok\n"
                          "List\t8\t       Tom  Dijk    (1975)\n"
                          "List\t0\t" + header + "<Niet in het bestand>\n"
                          "List\t11\t       Mila  Dijk    (1978)\n"
                          "List\t7\t" + header + "Loïs  Wit\n"
                          "List\t9\t       Eva  Dijk    (1980)\n"
                          "List\t10\t       Bas  Dijk    (1980)\n");

    // Without partner or children: an empty label and no list.
    const auto eva = runCommandLine({"pedigree", "9", "--data", data()});
    EXPECT_EQ(valuesOf(eva.out, "Label7"), std::vector<std::string>{""});
    EXPECT_TRUE(valuesOf(eva.out, "List").empty());
}

TEST_F(CliPedigreeFamily, WidthAddsTheLayoutAfterTheList) {
    const auto plain = runCommandLine({"--data", data(), "pedigree", "3"});
    ASSERT_EQ(plain.code, 0);

    // Width 800: H = 400; the father's parents end at 5 + 250 and start at
    // 400 - 250 - 5 = 145, their centres 130 and 270 meet at 200, so the
    // father goes to 200 - 125 = 75 and the mother 400 further.
    const auto result = runCommandLine({"--data", data(), "pedigree", "3", "--width", "800"});
    EXPECT_EQ(result.code, 0);
    std::string layout;
    for (const auto& [name, x, y] : std::vector<std::tuple<std::string, int, int>>{
             {"opa_v1", 5, 5}, {"oma_v1", 145, 62}, {"opa_m1", 405, 5}, {"oma_m1", 545, 62},
             {"vader1", 75, 131}, {"moeder1", 475, 131}, {"zelf1", 252, 187}, {"Label1", 200, 46},
             {"Label2", 600, 46}, {"Label3", 200, 105}, {"Label4", 600, 105}, {"Label5", 394, 144},
             {"Label6", 398, 165}, {"Label7", 151, 3}, {"List", 151, 17}}) {
        layout += "layout\t" + name + "\t" + std::to_string(x) + "\t" + std::to_string(y) + "\n";
    }
    EXPECT_EQ(result.out, plain.out + layout);
}

TEST(CliDemoFamily, ReadsAndShowsTheStartPerson) {
    const std::filesystem::path demo = BRINOX_DEMO_DIR;
    const auto config = readConfigurationFile(demo / "brinox.cfg");
    ASSERT_TRUE(config.config.has_value());
    EXPECT_EQ(config.config->familyCode, "VDORKUM");
    EXPECT_EQ(std::filesystem::file_size(familyFiles(demo, "VDORKUM").unions), 2406u);

    const auto persons = runCommandLine({"--data", demo.string(), "persons"});
    ASSERT_EQ(persons.code, 0) << persons.err;
    const auto lines = valuesOf(persons.out, "person");
    EXPECT_TRUE(lines.size() >= 35 && lines.size() <= 45) << lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].rfind(std::to_string(i + 1) + "\t", 0), 0u);
    for (const char* name : {"\tReneé\t", "\tDaniël\t", "\tLoïs\t", "\tNoë\t", "\tZoë\t"}) {
        EXPECT_NE(persons.out.find(name), std::string::npos) << name;
    }

    const auto pedigree =
        runCommandLine({"--data", demo.string(), "pedigree", std::to_string(config.config->startPerson)});
    ASSERT_EQ(pedigree.code, 0) << pedigree.err;
    for (const char* panel : {"opa_v1", "oma_v1", "opa_m1", "oma_m1", "vader1", "moeder1", "zelf1"}) {
        const auto text = valuesOf(pedigree.out, panel);
        EXPECT_TRUE(text.size() == 1 && !text[0].empty()) << panel;
    }
    EXPECT_EQ(valuesOf(pedigree.out, "Label7").at(0).rfind(" Gehuwd met [", 0), 0u);
    const auto children = valuesOf(pedigree.out, "List");
    EXPECT_GE(std::count_if(children.begin(), children.end(),
                            [](const std::string& line) { return line.find("\t       ") != std::string::npos; }),
              2);
}

}  // namespace
}  // namespace brinox::testing
