#include <gtest/gtest.h>

#include <string_view>

#include "gedcom/gedcom_import.h"
#include "gedcom/gedcom_reader.h"

namespace brinox {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::variant<ImportedFamily, std::string> imported(std::string_view text) {
    auto read = readGedcom(bytesOf(text));
    if (auto* refusal = std::get_if<GedcomRefusal>(&read)) return refusalMessage(*refusal);
    return importGedcom(std::get<GedcomFile>(read), std::filesystem::temp_directory_path());
}

// Record 1 as "first names|family name|sex|birth d-m-y|info1|info2|father".
std::string firstPerson(const ImportedFamily& family) {
    const auto& p = family.persons.record(RecordNo(1));
    return p.firstNames + "|" + p.familyName + "|" + p.sex + "|" + std::to_string(p.birthDay) + "-" +
           std::to_string(p.birthMonth) + "-" + std::to_string(p.birthYear) + "|" + p.info1 + "|" + p.info2 + "|" +
           std::to_string(p.father);
}

TEST(GedcomReading, TheStylesOtherProgramsWrite) {
    const struct {
        std::string_view file, person;
    } cases[] = {
        // CRLF, CONC and CONT, GIVN and SURN, a note of two lines.
        {"0 HEAD\r\n1 CHAR UTF-8\r\n0 @P1@ INDI\r\n1 NAME Jan /Jan\r\n2 CONC sen/\r\n1 SEX M\r\n1 BIRT\r\n"
         "2 DATE 2 JAN 1900\r\n1 NOTE Boer\r\n2 CONT Dalen\r\n0 TRLR\r\n",
         "Jan|Jansen|m|2-1-1900|Boer|Dalen|0"},
        // A byte order mark, LF only, a name without slashes, an approximate date.
        {"\xEF\xBB\xBF" "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Klaas Vos\n1 SEX F\n1 BIRT\n2 DATE ABT 12 MAY 1850\n0 TRLR\n",
         "Klaas Vos||v|0-0-1850|||0"},
        // Windows-1252 declared, CR only, "@@" in a value, a range.
        {"0 HEAD\r1 CHAR ANSI\r0 @I1@ INDI\r1 NAME Zo\xEB /M@@ller/\r1 BIRT\r2 DATE BET 1801 AND 1805\r0 TRLR\r",
         "Zo\xEB|M@ller|m|0-0-1801|||0"},
        // UTF-16 with its byte order mark is handled below; an unknown sex, a long note, a cycle.
        {"0 HEAD\n0 @I1@ INDI\n1 NAME \xC4\x8C\x65n\xC4\x9Bk /Dvo\xC5\x99\xC3\xA1k/\n1 SEX U\n1 FAMC @F1@\n"
         "1 NOTE een\n2 CONT twee\n2 CONT drie\n0 @F1@ FAM\n1 HUSB @I1@\n1 _MARNM x\n0 TRLR\n",
         "?en?k|Dvo?\xE1k|m|0-0-0|een|twee|0"},
    };
    for (const auto& c : cases) {
        const auto result = imported(c.file);
        ASSERT_TRUE(std::holds_alternative<ImportedFamily>(result)) << std::get<std::string>(result);
        EXPECT_EQ(firstPerson(std::get<ImportedFamily>(result)), c.person) << c.file;
    }
    const auto damaged = std::get<ImportedFamily>(imported(cases[3].file));
    const std::string& summary = damaged.summary;
    for (const char* said : {"vervangen door ?: 1 (?en?k Dvo?\xE1k)", "bewaard als levensbeschrijving: 1", "opgeslagen als man: 1",
                             "ouderlink verwijderd: 1", "geen plaats voor heeft: 1 (_MARNM)"}) {
        EXPECT_NE(summary.find(said), std::string::npos) << said << "\n" << summary;
    }
    EXPECT_EQ(damaged.texts.size(), 1u);

    std::string utf16 = "\xFF\xFE";
    for (char c : std::string_view("0 HEAD\n0 @I1@ INDI\n1 NAME Jos /Baas/\n0 TRLR\n")) utf16 += {c, '\0'};
    EXPECT_EQ(firstPerson(std::get<ImportedFamily>(imported(utf16))), "Jos|Baas|m|0-0-0|||0");
}

TEST(GedcomReading, RefusedFilesAndHostileOnesEndQuickly) {
    std::string many = "0 HEAD\n";
    for (int i = 1; i <= 601; ++i) many += "0 @I" + std::to_string(i) + "@ INDI\n";
    std::string endless = "0 HEAD\n0 @I1@ INDI\n1 NOTE ";
    endless.append(10 << 20, 'x');
    std::string deep = "0 HEAD\n0 @I1@ INDI\n";
    for (int level = 1; level < 100000; ++level) deep += std::to_string(level % 1000) + " _X y\n";
    std::string oneRecord = "0 HEAD\n0 @I1@ INDI\n";
    while (oneRecord.size() < (10u << 20)) oneRecord += "1 NOTE @N1@\n1 FAMC @F1@\n";
    const struct {
        std::string_view file, message;
    } cases[] = {
        {"0 HEAD\n1 CHAR ANSEL\n0 TRLR\n", "tekenset ANSEL"},
        {"no gedcom at all", "geen GEDCOM-bestand"},
        {many, "bevat 601 personen en 0 relaties"},
        {endless, "ingelezen: 1 personen"},
        {deep, "ingelezen: 1 personen"},
        {oneRecord, "ingelezen: 1 personen"},
    };
    for (const auto& c : cases) {
        const auto result = imported(c.file);
        const std::string said =
            std::holds_alternative<std::string>(result) ? std::get<std::string>(result) : std::get<ImportedFamily>(result).summary;
        EXPECT_NE(said.find(c.message), std::string::npos) << said.substr(0, 200);
    }
}

}  // namespace
}  // namespace brinox
