// Writes the demo family VDORKUM into a data directory:
//
//     make_demo_family DIR
//
// gives DIR/brinox.cfg, DIR/VDORKUM/VDORKUM.da1 and DIR/VDORKUM/VDORKUM.hu1.
// Every person and every date is invented. The family is small enough to read
// at a glance and still shows what the windows have to cope with: a man with
// two wives, half-siblings, twins, a steady relationship, unknown birth
// years, a child of a parent who is not in the file, cousins and second
// cousins, a niece and a great-uncle, couples without common ancestors, and
// accented names.

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <span>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "store/ansi_text.h"
#include "store/config_file.h"
#include "store/family_files.h"
#include "store/safe_save.h"
#include "store/session.h"

namespace {

using namespace brinox;

struct Date {
    int day, month, year;  // 0 where not known
};

constexpr Date kUnknown{0, 0, 0};

// Texts are written here as UTF-8 and turned into the files' Windows-1252.
struct DemoPerson {
    int number;  // must equal the line's position, counted from 1
    char sex;
    const char* familyName;
    const char* firstNames;
    Date birth;
    Date death;
    int father, mother;  // 0: not in the file
    const char* info1;
    const char* info2;
};

// clang-format off
const std::vector<DemoPerson> kPersons = {
    // Generation 1: the great-grandparents of Gerrit (12).
    { 1, 'm', "van Dorkum", "Hendrik",          {12,  3, 1842}, { 5, 11, 1911},  0,  0, "Landbouwer", "Dalen"},
    { 2, 'v', "Bosch",      "Geertruida",       kUnknown,       {17,  8, 1904},  0,  0, "Boerin", ""},
    { 3, 'm', "Mulder",     "Jan",              { 8,  6, 1845}, {22,  1, 1920},  0,  0, "Smid", "Coevorden"},
    { 4, 'v', "Veenstra",   "Aaltje",           {30,  9, 1848}, { 3,  4, 1925},  0,  0, "", ""},
    // Generation 2.
    { 5, 'm', "van Dorkum", "Willem",           { 2,  2, 1868}, {14, 12, 1939},  1,  2, "Veehouder", "Lid van de coöperatieve zuivelfabriek"},
    { 6, 'v', "Mulder",     "Johanna Geertje",  {19,  7, 1871}, { 9,  5, 1950},  3,  4, "", ""},
    { 7, 'm', "Mulder",     "Klaas",            { 4, 10, 1874}, {30,  6, 1944},  3,  4, "Smid", "Coevorden"},
    { 8, 'v', "de Boer",    "Trijntje",         {11,  1, 1877}, {15,  3, 1958},  0,  0, "", ""},
    { 9, 'v', "van Dorkum", "Hendrika",         {25,  5, 1870}, { 8,  8, 1952},  1,  2, "Onderwijzeres", "Emmen"},
    // Generation 3: Gerrit, his two wives, his sister and his cousin Albert.
    {10, 'v', "Smit",       "Maria",            {14,  4, 1899}, { 2,  3, 1929},  0,  0, "Naaister", "Hoogeveen"},
    {11, 'v', "Jansen",     "Reneé",            { 6,  8, 1905}, {20, 10, 1987},  0,  0, "Onderwijzeres", "Geboren te Brussel (België)"},
    {12, 'm', "van Dorkum", "Gerrit Hendrik",   {23,  9, 1896}, {11,  2, 1971},  5,  6, "Hoofd der school", "Emmen"},
    {13, 'v', "van Dorkum", "Geesje",           { 1, 12, 1899}, {27,  6, 1980},  5,  6, "Winkelierster", "Dalen"},
    {14, 'm', "Mulder",     "Albert",           { 7,  7, 1900}, {16,  1, 1975},  7,  8, "Timmerman", "Coevorden"},
    {15, 'v', "Hoekstra",   "Grietje",          { 3,  3, 1903}, {24,  9, 1990},  0,  0, "", ""},
    // Generation 4: Jan and Anna by Maria; the twins Daniël and Loïs by Reneé.
    {16, 'm', "van Dorkum", "Jan Willem",       { 3,  1, 1924}, {19,  9, 2010}, 12, 10, "Boekhouder", "Assen"},
    {17, 'v', "van Dorkum", "Anna",             {17,  6, 1927}, { 4,  4, 2015}, 12, 10, "", ""},
    {18, 'm', "van Dorkum", "Daniël",           {28,  2, 1933}, {13, 11, 2019}, 12, 11, "Predikant", "Zwolle"},
    {19, 'v', "van Dorkum", "Loïs",             {28,  2, 1933}, kUnknown,       12, 11, "Lerares Frans", "Zwolle"},
    {20, 'm', "van Dorkum", "Harm",             {10, 10, 1926}, { 5,  5, 1998},  0, 13, "Schipper", "Delfzijl"},
    {21, 'm', "Mulder",     "Hendrik",          {14,  5, 1929}, {18,  8, 2001}, 14, 15, "Aannemer", "Coevorden"},
    {22, 'v', "Kuiper",     "Wilhelmina",       { 9, 11, 1925}, {21,  1, 2012},  0,  0, "", ""},
    {23, 'm', "Brouwer",    "Pieter",           kUnknown,       kUnknown,        0,  0, "", ""},
    {24, 'v', "Post",       "Ingrid",           {21,  4, 1936}, kUnknown,        0,  0, "Organiste", ""},
    // Generation 5.
    {25, 'm', "van Dorkum", "Willem",           {12,  8, 1951}, kUnknown,       16, 22, "Huisarts", "Groningen"},
    {26, 'v', "van Dorkum", "Marijke",          { 5,  3, 1954}, kUnknown,       16, 22, "Verpleegkundige", "Enschede"},
    {27, 'm', "Brouwer",    "Erik",             {30,  1, 1953}, kUnknown,       23, 17, "Ingenieur", "Delft"},
    {28, 'm', "van Dorkum", "Noë",              {16,  7, 1962}, kUnknown,       18, 24, "Eigenaar van café De Drie Ringen", "Deventer"},
    {29, 'v', "van Dorkum", "Eline",            { 2, 11, 1965}, kUnknown,       18, 24, "", ""},
    {30, 'v', "Mulder",     "Petra",            { 8,  6, 1958}, kUnknown,       21,  0, "", ""},
    {31, 'v', "de Vries",   "Sanne",            {26,  4, 1953}, kUnknown,        0,  0, "Fotografe", "Groningen"},
    {32, 'm', "Bakker",     "Thomas",           {15, 10, 1952}, kUnknown,        0,  0, "", ""},
    {33, 'v', "Visser",     "Ellen",            {29,  8, 1964}, kUnknown,        0,  0, "", ""},
    // Generation 6.
    {34, 'v', "van Dorkum", "Zoë",              { 3,  5, 1985}, kUnknown,       25, 31, "Logopediste", "Gent (België)"},
    {35, 'm', "van Dorkum", "Daan",             {19, 12, 1988}, kUnknown,       25, 31, "", ""},
    {36, 'm', "Bakker",     "Ruben",            {11,  9, 1980}, kUnknown,       32, 26, "", ""},
    {37, 'v', "Meijer",     "Femke",            kUnknown,       kUnknown,        0,  0, "", ""},
    {38, 'm', "Brouwer",    "Sem",              {14,  2, 1990}, kUnknown,       27, 37, "", ""},
    {39, 'm', "van Dorkum", "Luuk",             { 7, 10, 1995}, kUnknown,       28, 33, "", ""},
    {40, 'v', "van Dorkum", "Chloë",            {22,  7, 2005}, kUnknown,       28, 33, "", ""},
};

struct DemoUnion {
    int man, woman;
    bool married;  // false: a steady relationship
};

// In this order in the file: Gerrit's second marriage comes after his first,
// so the pedigree names Reneé as his partner.
const std::vector<DemoUnion> kUnions = {
    { 1,  2, true},
    { 3,  4, true},
    { 5,  6, true},
    { 7,  8, true},
    {12, 10, true},
    {12, 11, true},
    {14, 15, true},
    {16, 22, true},
    {23, 17, true},
    {18, 24, true},
    {25, 31, false},
    {32, 26, true},
    {27, 37, true},
    {28, 33, true},
};
// clang-format on

constexpr int kStartPerson = 12;
const char* const kFamilyCode = "VDORKUM";

std::string ansi(const char* utf8) {
    const auto converted = utf8ToAnsi(utf8);
    if (!converted) throw std::runtime_error(std::string("not storable as Windows-1252: ") + utf8);
    return *converted;
}

std::uint16_t u16(int value) { return static_cast<std::uint16_t>(value); }

// A slip in the tables above would give a family the program shows wrongly
// and nobody notices; refuse it instead.
void check(bool condition, const std::string& what) {
    if (!condition) throw std::runtime_error(what);
}

PersonTable buildPersons() {
    PersonTable persons;
    const int count = static_cast<int>(kPersons.size());
    for (int i = 0; i < count; ++i) {
        const DemoPerson& p = kPersons[static_cast<std::size_t>(i)];
        check(p.number == i + 1, "record " + std::to_string(p.number) + " stands at line " + std::to_string(i + 1));
        for (const int parent : {p.father, p.mother}) {
            check(parent >= 0 && parent <= count && parent != p.number,
                  "record " + std::to_string(p.number) + " names a parent outside the family");
        }
        check(p.father == 0 || kPersons[static_cast<std::size_t>(p.father - 1)].sex == 'm',
              "the father of record " + std::to_string(p.number) + " is no man");
        check(p.mother == 0 || kPersons[static_cast<std::size_t>(p.mother - 1)].sex == 'v',
              "the mother of record " + std::to_string(p.number) + " is no woman");

        PersonRecord record;
        record.sex = p.sex;
        record.familyName = ansi(p.familyName);
        record.firstNames = ansi(p.firstNames);
        record.info1 = ansi(p.info1);
        record.info2 = ansi(p.info2);
        check(record.familyName.size() <= kNameCapacity && record.firstNames.size() <= kNameCapacity &&
                  record.info1.size() <= kInfoCapacity && record.info2.size() <= kInfoCapacity,
              "a text of record " + std::to_string(p.number) + " is too long");
        record.birthDay = u16(p.birth.day);
        record.birthMonth = u16(p.birth.month);
        record.birthYear = u16(p.birth.year);
        record.deathDay = u16(p.death.day);
        record.deathMonth = u16(p.death.month);
        record.deathYear = u16(p.death.year);
        record.father = u16(p.father);
        record.mother = u16(p.mother);
        record.number = u16(p.number);
        persons.putRecord(RecordNo(p.number), record);
        persons.setCount(p.number);
    }
    return persons;
}

UnionTable buildUnions() {
    UnionTable unions;
    int entry = 0;
    for (const DemoUnion& u : kUnions) {
        check(u.man >= 1 && u.man <= static_cast<int>(kPersons.size()) &&
                  kPersons[static_cast<std::size_t>(u.man - 1)].sex == 'm',
              "union " + std::to_string(entry + 1) + " names no man");
        check(u.woman >= 1 && u.woman <= static_cast<int>(kPersons.size()) &&
                  kPersons[static_cast<std::size_t>(u.woman - 1)].sex == 'v',
              "union " + std::to_string(entry + 1) + " names no woman");
        unions[++entry] = UnionEntry{u16(u.man), u16(u.woman), static_cast<std::uint8_t>(u.married ? 1 : 0), 0};
    }
    return unions;
}


// Answers 0 or the errno of the failed write, after telling which file.
int write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const int error = writeFileAtomically(path, bytes);
    if (error != 0) std::cerr << "cannot write " << path.string() << ": " << std::system_category().message(error) << '\n';
    return error;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: make_demo_family DATA_DIRECTORY\n";
        return 1;
    }
    try {
        const PersonTable persons = buildPersons();
        const UnionTable unions = buildUnions();
        const std::filesystem::path data = argv[1];
        const auto files = familyFiles(data, kFamilyCode);
        std::error_code ec;
        std::filesystem::create_directories(files.directory, ec);
        if (ec) {
            std::cerr << "cannot create " << files.directory.string() << ": " << ec.message() << '\n';
            return 2;
        }
        const auto config = encodeConfiguration(defaultConfiguration(kFamilyCode, u16(kStartPerson)));
        if (write(files.persons, encodePersonFile(persons)) != 0 || write(files.unions, encodeUnionFile(unions)) != 0 ||
            write(data / "brinox.cfg", config) != 0) {
            return 2;
        }
        std::cout << persons.count() << " persons and " << unions.unionCount() << " unions written to "
                  << files.directory.string() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "make_demo_family: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
