#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <variant>
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

// A union file as the program writes it: 401 entries, the empty ones with
// married 1, the given ones from entry 1 on.
Bytes unionFileBytes(const std::vector<UnionEntry>& unions) {
    Bytes bytes(401 * 6, 0);
    for (int i = 0; i < 401; ++i) bytes[static_cast<std::size_t>(i * 6 + 4)] = 1;
    for (std::size_t i = 0; i < unions.size(); ++i) {
        const std::size_t at = (i + 1) * 6;
        bytes[at] = static_cast<std::uint8_t>(unions[i].man & 0xFF);
        bytes[at + 1] = static_cast<std::uint8_t>(unions[i].man >> 8);
        bytes[at + 2] = static_cast<std::uint8_t>(unions[i].woman & 0xFF);
        bytes[at + 3] = static_cast<std::uint8_t>(unions[i].woman >> 8);
        bytes[at + 4] = unions[i].married;
    }
    return bytes;
}

class CliTest : public ::testing::Test {
protected:
    TempDir dir;
    Session session;

    std::string data() const { return dir.path().string(); }
    FamilyFiles files(const std::string& code) const { return familyFiles(dir.path(), code); }
};

using CliPersons = CliTest;
using CliUnions = CliTest;
using CliOptions = CliTest;
using CliExitCodes = CliTest;

TEST_F(CliPersons, PrintsEveryRecordWithEscapesUtf8AndEmptyDates) {
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

TEST_F(CliPersons, EmptyFamilyPrintsNothing) {
    writeFamily(session, dir.path(), "LEEG");
    ASSERT_EQ(std::filesystem::file_size(files("LEEG").persons), 0u);

    for (const char* command : {"persons", "unions", "resave"}) {
        const auto result = runCommandLine({"--data", data(), command});
        EXPECT_EQ(result.code, 0) << command;
        EXPECT_EQ(result.out, "") << command;
        EXPECT_EQ(result.err, "") << command;
    }
}

TEST_F(CliUnions, PrintsUsedEntriesPackedAsLoaded) {
    for (int i = 0; i < 4; ++i) addPerson(session.persons, {.sex = i % 2 == 0 ? 'm' : 'v', .familyName = "X"});
    writeFamily(session, dir.path(), "SMIT");
    // Entry 0 empty, then a union, an entry without a man, and a steady
    // relationship: the half entry is dropped and the rest close up.
    Bytes raw(4 * 6, 0);
    raw[6] = 1, raw[8] = 2, raw[10] = 1;
    raw[14] = 2, raw[16] = 1;
    raw[18] = 3, raw[20] = 4, raw[22] = 0;
    writeBytes(files("SMIT").unions, raw);

    const auto result = runCommandLine({"unions", "--data", data()});

    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "union\t1\t1\t2\t1\nunion\t2\t3\t4\t0\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliOptions, StandBeforeOrAfterTheCommandWithOrWithoutEquals) {
    addPerson(session.persons, {.sex = 'm', .familyName = "Bos", .firstNames = "Kees", .birthYear = 1960});
    writeFamily(session, dir.path(), "BOS");
    const std::string expected = "person\t1\tm\tBos\tKees\t0-0-1960\t0-0-0\t0\t0\t\t\n";

    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--data", data(), "persons"},
             {"persons", "--data", data()},
             {"persons", "--data=" + data()},
             {"--data", data() + "/", "--family", "bos", "persons"},
             {"persons", "--family=Bos", "--data", data()},
             {"--selected", "1", "persons", "--data", data()},
         }) {
        const auto result = runCommandLine(arguments);
        EXPECT_EQ(result.code, 0) << arguments.back();
        EXPECT_EQ(result.out, expected) << arguments.back();
        EXPECT_EQ(result.err, "") << arguments.back();
    }
}

TEST_F(CliOptions, FamilyIsUpperCasedAccentsIncluded) {
    Session other;
    addPerson(other.persons, {.sex = 'v', .familyName = "Dijk", .firstNames = "Ida"});
    writeFamily(other, dir.path(), "D\xC9 JONG");  // the folder is "DÉ JONG"
    addPerson(session.persons, {.sex = 'm', .familyName = "Bos", .firstNames = "Kees"});
    writeFamily(session, dir.path(), "BOS");  // brinox.cfg names BOS

    const auto result = runCommandLine({"--data", data(), "--family", "dé jong", "pedigree", "1"});

    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')),
              "caption\t  DÉ JONG  *** Takkenbos ***       Kwartierstaat van Ida  Dijk");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliOptions, ConfigurationWithoutCodeOpensVdorkum) {
    addPerson(session.persons, {.sex = 'v', .familyName = "Dorkum", .firstNames = "Ans"});
    writeFamily(session, dir.path(), "VDORKUM");
    Configuration config;
    config.familyCode = "";
    const auto bytes = encodeConfiguration(config);
    writeBytes(dir / "brinox.cfg", {bytes.begin(), bytes.end()});

    const auto result = runCommandLine({"--data", data(), "persons"});

    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "person\t1\tv\tDorkum\tAns\t0-0-0\t0-0-0\t0\t0\t\t\n");
}

TEST_F(CliExitCodes, WrongUsageIsOneWithAMessageOnStderr) {
    for (int i = 0; i < 3; ++i) addPerson(session.persons, {.sex = 'm', .familyName = "X", .firstNames = "Y"});
    writeFamily(session, dir.path(), "SMIT");
    const std::string d = data();

    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--data", d}, "usage: brinox-cli [OPTIONS] COMMAND [ARGUMENTS]\n"},
        {{"--data", d, "kwartierstaat"}, "unknown command: kwartierstaat\n"},
        {{"--data", d, "persons", "1"}, "persons takes 0 argument(s)\n"},
        {{"--data", d, "pedigree"}, "pedigree takes 1 argument(s)\n"},
        {{"--data", d, "--kleur", "persons"}, "unknown option: --kleur\n"},
        {{"persons", "--data"}, "--data needs a value\n"},
        {{"--data", d, "--selected", "0", "persons"}, "--selected needs a record number\n"},
        {{"--data", d, "--selected", "een", "persons"}, "--selected needs a record number\n"},
        {{"--data", d, "--today", "2024-02-30", "persons"}, "--today needs a date YYYY-MM-DD\n"},
        {{"--data", d, "--now", "24:00", "persons"}, "--now needs a time HH:MM\n"},
        {{"--data", d, "--family", "a/b", "persons"},
         "De naam A/B kan geen familiebestand zijn.\nGebruik letters, cijfers, spaties of een streepje, zonder punt "
         "of schuine streep.\n"},
        {{"--data", d, "--family", "Ωmega", "persons"}, "--family holds a character the family files cannot store\n"},
        {{"--data", d, "pedigree", "0"}, "record number outside 1..3: 0\n"},
        {{"--data", d, "pedigree", "4"}, "record number outside 1..3: 4\n"},
        {{"--data", d, "pedigree", "twee"}, "record number outside 1..3: twee\n"},
        {{"--data", d, "pedigree", "1", "--width", "breed"}, "--width needs a number of pixels\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const auto result = runCommandLine(arguments);
        EXPECT_EQ(result.code, 1) << message;
        EXPECT_EQ(result.out, "") << message;
        EXPECT_EQ(result.err, message);
    }
}

TEST_F(CliExitCodes, UnreadableFamilyIsTwoWithTheProgramsMessage) {
    // No brinox.cfg and no family at all.
    auto result = runCommandLine({"--data", data(), "persons"});
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Er is nog geen familie-bestand aanwezig\n");

    // brinox.cfg names a family whose folder is missing.
    addPerson(session.persons, {.sex = 'm', .familyName = "X"});
    writeFamily(session, dir.path(), "SMIT");
    result = runCommandLine({"--data", data(), "--family", "jansen", "pedigree", "1"});
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Er is nog geen familie-bestand aanwezig\n");

    // The person file is there, the union file is not.
    std::filesystem::remove(files("SMIT").unions);
    result = runCommandLine({"--data", data(), "unions"});
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Bestand of map niet gevonden.\n" + files("SMIT").unions.string() + "\n");
}

class CliResaveFamily : public CliTest {
protected:
    Bytes personsBefore, unionsBefore;

    // Three persons and two unions, written the way an older program might
    // have left them: a torn record after the persons, and a short union
    // file with an entry that names only a woman.
    void writeUntidyFamily(const std::string& code) {
        addPerson(session.persons, {.sex = 'm', .familyName = "Smit", .firstNames = "Daniël", .birthYear = 1950});
        addPerson(session.persons, {.sex = 'v', .familyName = "Kok", .firstNames = "Zoë", .birthYear = 1952});
        addPerson(session.persons, {.sex = 'v', .familyName = "Wit", .firstNames = "Loïs", .birthYear = 1960});
        writeFamily(session, dir.path(), code);
        personsBefore = fileBytes(files(code).persons);
        personsBefore.resize(personsBefore.size() + 100, 0xAB);
        writeBytes(files(code).persons, personsBefore);
        unionsBefore = {0, 0, 0, 0, 0, 0,  //
                        1, 0, 2, 0, 1, 0,  //
                        0, 0, 2, 0, 1, 0,  //
                        1, 0, 3, 0, 0, 0};
        writeBytes(files(code).unions, unionsBefore);
    }

    void expectUntouched(const std::string& code) {
        EXPECT_EQ(fileBytes(files(code).persons), personsBefore);
        EXPECT_EQ(fileBytes(files(code).unions), unionsBefore);
        EXPECT_EQ(entries(files(code).directory), (std::set<std::string>{code + ".da1", code + ".hu1"}));
    }
};

TEST_F(CliResaveFamily, RightPasswordWritesBothFilesWhole) {
    writeUntidyFamily("VDORKUM");
    const Bytes wholeRecords(personsBefore.begin(), personsBefore.end() - 100);

    const auto result = runCommandLine({"resave", "--data", data(), "--password=Tjalko"});

    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "message\tinformation\tHet bestand is op disk bijgewerkt\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(fileBytes(files("VDORKUM").persons), wholeRecords);
    const Bytes unions = fileBytes(files("VDORKUM").unions);
    EXPECT_EQ(unions.size(), 2406u);
    EXPECT_EQ(unions, unionFileBytes({{1, 2, 1, 0}, {1, 3, 0, 0}}));
    EXPECT_EQ(entries(files("VDORKUM").directory), (std::set<std::string>{"VDORKUM.da1", "VDORKUM.hu1"}));
}

TEST_F(CliResaveFamily, OtherFamiliesTakeTheirOwnPassword) {
    writeUntidyFamily("SMIT");

    auto result = runCommandLine({"--data", data(), "--password", "Tjalko", "resave"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out,
              "message\tinformation\tTjalko\\nis niet het goede wachtwoord.\n"
              "message\twarning\tGeen goed wachtwoord ontvangen.\\nHet bestand is niet bijgewerkt.\n");
    expectUntouched("SMIT");

    result = runCommandLine({"--data", data(), "--password", "7341PX", "resave"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "message\tinformation\tHet bestand is op disk bijgewerkt\n");
    EXPECT_EQ(fileBytes(files("SMIT").unions).size(), 2406u);
}

TEST_F(CliResaveFamily, WrongPasswordIsShownOnceThenTheWarning) {
    writeUntidyFamily("VDORKUM");

    const auto result = runCommandLine({"--data", data(), "resave", "--password", "tjalko é"});

    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out,
              "message\tinformation\ttjalko é\\nis niet het goede wachtwoord.\n"
              "message\twarning\tGeen goed wachtwoord ontvangen.\\nHet bestand is niet bijgewerkt.\n");
    expectUntouched("VDORKUM");
}

TEST_F(CliResaveFamily, MissingPasswordGivesOnlyTheWarning) {
    writeUntidyFamily("VDORKUM");

    const auto result = runCommandLine({"--data", data(), "resave"});

    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, "message\twarning\tGeen goed wachtwoord ontvangen.\\nHet bestand is niet bijgewerkt.\n");
    expectUntouched("VDORKUM");
}

class CliPedigreeFamily : public CliTest {
protected:
    void SetUp() override {
        auto& p = session.persons;
        addPerson(p, {.sex = 'm', .familyName = "Dijk", .firstNames = "Pieter", .birthYear = 1900});  // 1
        addPerson(p, {.sex = 'v', .familyName = "Smit", .firstNames = "Aaltje", .birthYear = 1902});  // 2
        addPerson(p, {.sex = 'm', .familyName = "Dijk", .firstNames = "Jan", .birthYear = 1925, .father = 1,
                      .mother = 2});                                                                  // 3
        addPerson(p, {.sex = 'v', .familyName = "Bos", .firstNames = "Ida", .birthYear = 1927});      // 4
        addPerson(p, {.sex = 'm', .familyName = "Dijk", .firstNames = "Dani\xEBl", .birthYear = 1950, .father = 3,
                      .mother = 4});                                                                  // 5
        addPerson(p, {.sex = 'v', .familyName = "Kok", .firstNames = "Zo\xEB", .birthYear = 1952});   // 6
        addPerson(p, {.sex = 'v', .familyName = "Wit", .firstNames = "Lo\xEFs", .birthYear = 1960});  // 7
        addPerson(p, {.sex = 'm', .familyName = "Dijk", .firstNames = "Tom", .birthYear = 1975, .father = 5,
                      .mother = 6});                                                                  // 8
        addPerson(p, {.sex = 'v', .familyName = "Dijk", .firstNames = "Eva", .birthYear = 1980, .father = 5,
                      .mother = 7});                                                                  // 9
        addPerson(p, {.sex = 'm', .familyName = "Dijk", .firstNames = "Bas", .birthYear = 1980, .father = 5,
                      .mother = 7});                                                                  // 10
        addPerson(p, {.sex = 'v', .familyName = "Dijk", .firstNames = "Mila", .birthYear = 1978, .father = 5});  // 11
        addUnion(session.unions, RecordNo(3), RecordNo(4));
        addUnion(session.unions, RecordNo(5), RecordNo(6));
        addUnion(session.unions, RecordNo(5), RecordNo(7), false);
        writeFamily(session, dir.path(), "DIJK", 8);
    }

    const std::string header = "Kinderen van:" + std::string(28, ' ');
};

TEST_F(CliPedigreeFamily, PrintsPanelsPartnerAndChildrenLines) {
    const auto result = runCommandLine({"--data", data(), "pedigree", "5"});

    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "caption\t  DIJK  *** Takkenbos ***       Kwartierstaat van Daniël  Dijk\n"
                          "opa_v1\tPieter  Dijk\n"
                          "oma_v1\tAaltje  Smit\n"
                          "opa_m1\t\n"
                          "oma_m1\t\n"
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
}

TEST_F(CliPedigreeFamily, PersonWithoutPartnerOrChildrenHasAnEmptyLabel) {
    const auto result = runCommandLine({"pedigree", "9", "--data", data()});

    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "caption\t  DIJK  *** Takkenbos ***       Kwartierstaat van Eva  Dijk\n"
                          "opa_v1\tJan  Dijk\n"
                          "oma_v1\tIda  Bos\n"
                          "opa_m1\t\n"
                          "oma_m1\t\n"
                          "vader1\tDaniël  Dijk\n"
                          "moeder1\tLoïs  Wit\n"
                          "zelf1\tEva  Dijk\n"
                          "Label7\t\n");
}

TEST_F(CliPedigreeFamily, WidthAddsTheLayoutAfterTheList) {
    const auto plain = runCommandLine({"--data", data(), "pedigree", "3"});
    ASSERT_EQ(plain.code, 0);

    // Width 800: H = 400; the father's parents end at 5 + 250 and start at
    // 400 - 250 - 5 = 145, their centres 130 and 270 meet at 200, so the
    // father goes to 200 - 125 = 75 and the mother 400 further.
    auto result = runCommandLine({"--data", data(), "pedigree", "3", "--width", "800"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, plain.out +
                              "layout\topa_v1\t5\t5\n"
                              "layout\toma_v1\t145\t62\n"
                              "layout\topa_m1\t405\t5\n"
                              "layout\toma_m1\t545\t62\n"
                              "layout\tvader1\t75\t131\n"
                              "layout\tmoeder1\t475\t131\n"
                              "layout\tzelf1\t252\t187\n"
                              "layout\tLabel1\t200\t46\n"
                              "layout\tLabel2\t600\t46\n"
                              "layout\tLabel3\t200\t105\n"
                              "layout\tLabel4\t600\t105\n"
                              "layout\tLabel5\t394\t144\n"
                              "layout\tLabel6\t398\t165\n"
                              "layout\tLabel7\t151\t3\n"
                              "layout\tList\t151\t17\n");

    // An odd width: every halving rounds down (1001 div 2 = 500, and the
    // list's (1001 - 498) div 2 = 251).
    result = runCommandLine({"--width=1001", "--data", data(), "pedigree", "3"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, plain.out +
                              "layout\topa_v1\t5\t5\n"
                              "layout\toma_v1\t245\t62\n"
                              "layout\topa_m1\t505\t5\n"
                              "layout\toma_m1\t746\t62\n"
                              "layout\tvader1\t125\t131\n"
                              "layout\tmoeder1\t625\t131\n"
                              "layout\tzelf1\t352\t187\n"
                              "layout\tLabel1\t250\t46\n"
                              "layout\tLabel2\t750\t46\n"
                              "layout\tLabel3\t250\t105\n"
                              "layout\tLabel4\t750\t105\n"
                              "layout\tLabel5\t494\t144\n"
                              "layout\tLabel6\t498\t165\n"
                              "layout\tLabel7\t251\t3\n"
                              "layout\tList\t251\t17\n");
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

TEST(CliDemoFamily, ReadsAndShowsTheStartPerson) {
    const std::filesystem::path demo = BRINOX_DEMO_DIR;
    const auto config = readConfigurationFile(demo / "brinox.cfg");
    ASSERT_TRUE(config.config.has_value());
    EXPECT_EQ(config.config->familyCode, "VDORKUM");
    const int start = config.config->startPerson;

    const auto files = familyFiles(demo, "VDORKUM");
    EXPECT_EQ(std::filesystem::file_size(files.unions), 2406u);
    const auto content = std::get<PersonFileContent>(readPersonFile(files.persons));
    for (std::size_t i = 0; i < content.records.size(); ++i) EXPECT_EQ(content.records[i].number, i + 1);

    const auto persons = runCommandLine({"--data", demo.string(), "persons"});
    ASSERT_EQ(persons.code, 0) << persons.err;
    const auto lines = valuesOf(persons.out, "person");
    EXPECT_GE(lines.size(), 35u);
    EXPECT_LE(lines.size(), 45u);
    EXPECT_EQ(lines.size(), content.records.size());
    for (const char* name : {"\tReneé\t", "\tDaniël\t", "\tLoïs\t", "\tNoë\t", "\tZoë\t"}) {
        EXPECT_NE(persons.out.find(name), std::string::npos) << name;
    }

    const auto pedigree = runCommandLine({"--data", demo.string(), "pedigree", std::to_string(start)});
    ASSERT_EQ(pedigree.code, 0) << pedigree.err;
    for (const char* panel : {"opa_v1", "oma_v1", "opa_m1", "oma_m1", "vader1", "moeder1", "zelf1"}) {
        const auto text = valuesOf(pedigree.out, panel);
        ASSERT_EQ(text.size(), 1u) << panel;
        EXPECT_NE(text[0], "") << panel;
    }
    EXPECT_EQ(valuesOf(pedigree.out, "Label7").at(0).rfind(" Gehuwd met [", 0), 0u);
    const auto children = valuesOf(pedigree.out, "List");
    EXPECT_GE(std::count_if(children.begin(), children.end(),
                            [](const std::string& line) { return line.find("\t       ") != std::string::npos; }),
              2);
}

}  // namespace
}  // namespace brinox::testing
