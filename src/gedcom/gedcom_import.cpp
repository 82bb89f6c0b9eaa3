#include "gedcom/gedcom_import.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>

#include "gedcom/gedcom_dates.h"
#include "gedcom/import_losses.h"
#include "photos/caption_file.h"
#include "store/ansi_text.h"

namespace brinox {
namespace {

constexpr int kMaxUnionsShown = 5;
constexpr int kMaxPhotos = 15;  // letters A to O, as photo management writes them
constexpr int kMaxTexts = 20;
constexpr std::size_t kInfoLines = 2;

const std::set<std::string, std::less<>> kRecordTags = {"HEAD", "TRLR", "SUBM", "SUBN", "INDI", "FAM", "NOTE", "OBJE"};
const std::set<std::string, std::less<>> kPersonTags = {"NAME", "SEX",  "BIRT", "DEAT", "NOTE",
                                                        "OBJE", "FAMS", "FAMC", "REFN"};

std::optional<int> numberIn(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return std::string(text);
}

std::string lowered(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

struct Medium {
    std::string file, form, title;
};

class Importer {
public:
    Importer(const GedcomFile& file, std::filesystem::path folder) : m_file(file), m_folder(std::move(folder)) {}

    std::variant<ImportedFamily, std::string> run() {
        index();
        if (const auto refusal = tooMany()) return *refusal;
        number();
        for (std::size_t i = 0; i < m_persons.size(); ++i) person(*m_persons[i], m_numbers[i]);
        for (const GedcomRecord* family : m_families) this->family(*family);
        childLinks();
        breakCycles();
        countUnions();
        m_losses.addLines(m_file.unreadableLines);
        m_result.summary = "Het GEDCOM-bestand is ingelezen: " + std::to_string(m_persons.size()) + " personen en " +
                           std::to_string(m_result.unions.unionCount()) + " relaties.";
        m_result.summary += m_losses.empty() ? "\nAlle gegevens zijn overgenomen." : m_losses.describe();
        return std::move(m_result);
    }

private:
    PersonTable& persons() { return m_result.persons; }

    void index() {
        for (const auto& record : m_file.records) {
            if (record.tag == "HEAD") m_fromBrinox = lowered(firstValue(record.lines, 1, "SOUR")) == "brinox";
            if (record.tag == "INDI") m_persons.push_back(&record);
            if (record.tag == "FAM") m_families.push_back(&record);
            if (record.tag == "NOTE" && !record.xref.empty()) m_notes.emplace(record.xref, record.value);
            if (record.tag == "OBJE" && !record.xref.empty()) m_media.emplace(record.xref, medium(record.lines, 0));
            if (!kRecordTags.count(record.tag)) m_losses.add(Loss::UnknownTag, record.tag);
        }
        for (std::size_t i = 0; i < m_persons.size(); ++i) {
            if (!m_persons[i]->xref.empty()) m_byXref.emplace(m_persons[i]->xref, i);
        }
    }

    std::optional<std::string> tooMany() const {
        const auto couples = std::count_if(m_families.begin(), m_families.end(), [](const GedcomRecord* f) {
            return !firstValue(f->lines, 1, "HUSB").empty() && !firstValue(f->lines, 1, "WIFE").empty();
        });
        if (m_persons.size() <= PersonTable::kSlots && couples <= UnionTable::kLast) return std::nullopt;
        return "Dit GEDCOM-bestand bevat " + std::to_string(m_persons.size()) + " personen en " +
               std::to_string(couples) + " relaties.\nEen familie kan hoogstens " +
               std::to_string(PersonTable::kSlots) + " personen en " + std::to_string(UnionTable::kLast) +
               " relaties bevatten; er is niets ingelezen.";
    }

    // The numbers of a Brinox export when every person has a distinct one
    // in range; else the order of the file.
    void number() {
        std::set<int> seen;
        for (const GedcomRecord* record : m_persons) {
            const auto refn = numberIn(firstValue(record->lines, 1, "REFN"));
            if (!refn || *refn < 1 || *refn > PersonTable::kSlots || !seen.insert(*refn).second) {
                m_numbers.clear();
                break;
            }
            m_numbers.push_back(RecordNo(*refn));
        }
        if (m_numbers.size() != m_persons.size()) {
            m_numbers.clear();
            for (std::size_t i = 0; i < m_persons.size(); ++i) m_numbers.push_back(RecordNo(static_cast<int>(i) + 1));
        }
        int highest = 0;
        for (RecordNo r : m_numbers) highest = std::max(highest, r.value);
        persons().setCount(highest);
        for (int r = 1; r <= highest; ++r) persons().erase(RecordNo(r));
    }

    // UTF-8 as Windows-1252: "?" for what it cannot hold, a blank for a tab.
    static std::string ansi(std::string_view utf8, bool& lost) {
        std::string out;
        for (char32_t c : decodeUtf8(utf8).value_or(U"?")) {
            const auto byte = c == U'\t' ? std::optional<std::uint8_t>(' ') : unicodeToWindows1252(c);
            const bool kept = byte && (c >= 0x20 || c == U'\t');
            lost |= !kept;
            out += kept ? static_cast<char>(*byte) : '?';
        }
        return out;
    }

    std::string ansi(std::string_view utf8, const std::string& who) {
        bool lost = false;
        std::string out = ansi(utf8, lost);
        if (lost) m_losses.add(Loss::Characters, who);
        return out;
    }

    std::string fitted(std::string text, std::size_t capacity, Loss loss, const std::string& who) {
        if (text.size() <= capacity) return text;
        m_losses.add(loss, who);
        text.resize(capacity);
        return text;
    }

    void person(const GedcomRecord& record, RecordNo r) {
        PersonRecord stored;
        stored.sex = 'm';
        stored.number = static_cast<std::uint16_t>(r.value);
        name(record, stored);
        const std::string who = trimmed(stored.firstNames + " " + stored.familyName);
        std::vector<std::string> notes;
        std::vector<bool> inPlace;
        for (std::size_t i = 0; i < record.lines.size(); ++i) {
            const GedcomLine& line = record.lines[i];
            if (line.level != 1) continue;
            if (line.tag == "SEX") sex(line.value, stored, who);
            if (line.tag == "BIRT" || line.tag == "DEAT") event(record, i, stored, who);
            if (line.tag == "NOTE") note(line.value, notes, inPlace);
            if (line.tag == "OBJE") attachment(record, i, r, who);
            if (!kPersonTags.count(line.tag)) m_losses.add(Loss::UnknownTag, line.tag);
            else if (line.tag != "NOTE" && line.tag != "OBJE") unknownBelow(record, i, line.tag);
        }
        persons().putRecord(r, stored);
        lifeNotes(notes, inPlace, r, who);
    }

    // A note written in place, or one of the note records; a pointer to a
    // note the file does not hold is damage, counted as such.
    void note(const std::string& value, std::vector<std::string>& notes, std::vector<bool>& inPlace) {
        const bool pointer = value.size() > 2 && value.front() == '@' && value.back() == '@';
        if (!pointer) {
            notes.push_back(value);
            inPlace.push_back(true);
        } else if (const auto found = m_notes.find(value); found != m_notes.end()) {
            notes.push_back(found->second);
            inPlace.push_back(false);
        } else {
            m_losses.add(Loss::UnknownTag, "NOTE " + value.substr(0, 20));
        }
    }

    void name(const GedcomRecord& record, PersonRecord& stored) {
        std::string given, surname;
        for (std::size_t i = 0; i < record.lines.size(); ++i) {
            if (record.lines[i].level != 1 || record.lines[i].tag != "NAME") continue;
            const std::string& full = record.lines[i].value;
            const std::size_t open = full.find('/');
            const std::size_t close = open == std::string::npos ? open : full.find('/', open + 1);
            given = trimmed(full.substr(0, open));
            if (open != std::string::npos) {
                surname = trimmed(full.substr(open + 1, close == std::string::npos ? close : close - open - 1));
                if (close != std::string::npos) {
                    const std::string suffix = trimmed(full.substr(close + 1));
                    if (!suffix.empty()) surname += " " + suffix;
                }
            }
            // GIVN and SURN fill in what the name line leaves out, and hold the
            // parts exactly when a part itself holds a slash.
            const bool slashInPart = std::count(full.begin(), full.end(), '/') > 2;
            const auto parts = subordinates(record, i);
            const std::string g = firstValue(parts, 2, "GIVN"), s = firstValue(parts, 2, "SURN");
            if (!g.empty() && (given.empty() || slashInPart)) given = g;
            if (!s.empty() && (surname.empty() || slashInPart)) surname = s;
            break;
        }
        bool lost = false;
        const std::string first = ansi(given, lost), family = ansi(surname, lost);
        const std::string who = trimmed(first + " " + family);
        if (lost) m_losses.add(Loss::Characters, who);
        stored.firstNames = fitted(first, kNameCapacity, Loss::LongName, who);
        stored.familyName = fitted(family, kNameCapacity, Loss::LongName, who);
    }

    void sex(const std::string& value, PersonRecord& stored, const std::string& who) {
        const std::string letter = lowered(trimmed(value));
        if (letter == "f") {
            stored.sex = 'v';
        } else if (letter != "m") {
            m_losses.add(Loss::Sex, who);
        }
    }

    void event(const GedcomRecord& record, std::size_t index, PersonRecord& stored, const std::string& who) {
        const auto parts = subordinates(record, index);
        const std::string text = firstValue(parts, record.lines[index].level + 1, "DATE");
        if (text.empty()) return;
        const ReadDate read = readGedcomDate(text);
        if (read.approximate) m_losses.add(Loss::Dates, who);
        const auto& d = read.date;
        const auto day = static_cast<std::uint16_t>(d.day), month = static_cast<std::uint16_t>(d.month),
                   year = static_cast<std::uint16_t>(d.year);
        if (record.lines[index].tag == "BIRT") {
            stored.birthDay = day, stored.birthMonth = month, stored.birthYear = year;
        } else {
            stored.deathDay = day, stored.deathMonth = month, stored.deathYear = year;
        }
    }

    // Subordinate lines the tables have no place for, named by their tag.
    void unknownBelow(const GedcomRecord& record, std::size_t index, const std::string& tag) {
        for (const auto& line : subordinates(record, index)) {
            if (line.level != record.lines[index].level + 1) continue;
            const bool known = (tag == "NAME" && (line.tag == "GIVN" || line.tag == "SURN")) ||
                               ((tag == "BIRT" || tag == "DEAT") && line.tag == "DATE");
            if (!known) m_losses.add(Loss::UnknownTag, line.tag);
        }
    }

    Medium medium(std::span<const GedcomLine> lines, int level) {
        Medium m;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].level != level + 1) continue;
            if (lines[i].tag == "FILE" && m.file.empty()) {
                m.file = lines[i].value;
                const auto below = lines.subspan(i + 1);
                for (const auto& line : below) {
                    if (line.level <= level + 1) break;
                    if (line.tag == "FORM" && m.form.empty()) m.form = lowered(trimmed(line.value));
                    if (line.tag == "TITL" && m.title.empty()) m.title = line.value;
                }
            }
            if (lines[i].tag == "FORM" && m.form.empty()) m.form = lowered(trimmed(lines[i].value));
            if (lines[i].tag == "TITL" && m.title.empty()) m.title = lines[i].value;
        }
        return m;
    }

    std::optional<std::filesystem::path> located(std::string name) {
        std::replace(name.begin(), name.end(), '\\', '/');
        const std::filesystem::path given(name);
        std::error_code ec;
        for (const auto& candidate : {given.is_absolute() ? given : m_folder / given, m_folder / given.filename()}) {
            if (!given.empty() && std::filesystem::is_regular_file(candidate, ec)) return candidate;
        }
        return std::nullopt;
    }

    void attachment(const GedcomRecord& record, std::size_t index, RecordNo r, const std::string& who) {
        const GedcomLine& line = record.lines[index];
        const auto linked = m_media.find(line.value);
        const Medium m = linked != m_media.end() ? linked->second : medium(subordinates(record, index), 0);
        std::string form = m.form;
        if (const auto extension = std::filesystem::path(m.file).extension().string(); form.empty() && !extension.empty()) {
            form = lowered(extension.substr(1));
        }
        const bool photo = form == "jpg" || form == "jpeg", sound = form == "wav";
        if (!photo && !sound) {
            m_losses.add(Loss::UnknownTag, "OBJE " + (form.empty() ? std::string("?") : form));
            return;
        }
        const auto source = located(m.file);
        if (!source) {
            m_losses.add(Loss::MissingFile, who);
            return;
        }
        int& count = photo ? m_photoCount[r.value] : m_soundCount[r.value];
        if (count >= (photo ? kMaxPhotos : 1)) {
            m_losses.add(Loss::TooManyFiles, who);
            return;
        }
        const std::string letter = photo ? std::string(1, static_cast<char>('A' + count)) : std::string();
        ++count;
        const std::string caption =
            photo ? fitted(ansi(m.title, who), kCaptionTextWidth, Loss::LongCaption, who) : std::string();
        m_result.files.push_back({r, letter, photo ? ".jpg" : ".WAV", *source, caption});
    }

    static bool fitsInfoLines(const std::string& text) {
        std::size_t lines = 1, length = 0;
        for (char c : text) {
            if (c == '\n') {
                ++lines;
                length = 0;
            } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                ++length;
            }
            if (lines > kInfoLines || length > kInfoCapacity) return false;
        }
        return true;
    }

    // The first note gives the two information lines (our own files: the
    // note written in place). A first note longer than two lines of 80 is
    // kept whole as a life description too; every other note is one.
    void lifeNotes(const std::vector<std::string>& notes, const std::vector<bool>& inPlace, RecordNo r,
                   const std::string& who) {
        std::optional<std::size_t> info;
        for (std::size_t i = 0; i < notes.size() && !info; ++i) {
            if (!m_fromBrinox || inPlace[i]) info = i;
        }
        bool keepInfoNote = false;
        if (info) {
            const std::string& text = notes[*info];
            keepInfoNote = !fitsInfoLines(text);
            if (keepInfoNote) m_losses.add(Loss::LongNote, who);
            const std::size_t first = text.find('\n');
            const std::size_t second = first == std::string::npos ? first : text.find('\n', first + 1);
            PersonRecord stored = persons().record(r);
            stored.info1 = cutQuietly(ansi(text.substr(0, first), who), kInfoCapacity);
            if (first != std::string::npos) {
                stored.info2 = cutQuietly(ansi(text.substr(first + 1, second - first - 1), who), kInfoCapacity);
            }
            persons().putRecord(r, stored);
        }
        int letters = 0;
        for (std::size_t i = 0; i < notes.size(); ++i) {
            if (info && i == *info && !keepInfoNote) continue;
            if (letters == kMaxTexts) {
                m_losses.add(Loss::TooManyFiles, who);
                continue;
            }
            m_result.texts.push_back({r, static_cast<char>('A' + letters++), textOf(notes[i])});
        }
    }

    static std::string cutQuietly(std::string text, std::size_t capacity) {
        if (text.size() > capacity) text.resize(capacity);
        return text;
    }

    static RichText textOf(const std::string& utf8) {
        RichText document;
        Paragraph paragraph;
        for (char32_t c : decodeUtf8(utf8).value_or(U"")) {
            if (c == U'\n') {
                endParagraph(document, paragraph, CharFormat{});
            } else {
                appendCharacter(paragraph, c, CharFormat{});
            }
        }
        if (!paragraph.text.empty()) document.paragraphs.push_back(std::move(paragraph));
        return document;
    }

    std::optional<RecordNo> personAt(const std::string& xref) const {
        const auto found = m_byXref.find(xref);
        if (found == m_byXref.end()) return std::nullopt;
        return m_numbers[found->second];
    }

    void family(const GedcomRecord& record) {
        const auto husband = personAt(firstValue(record.lines, 1, "HUSB"));
        const auto wife = personAt(firstValue(record.lines, 1, "WIFE"));
        bool married = false, steady = false;
        for (std::size_t i = 0; i < record.lines.size(); ++i) {
            const GedcomLine& line = record.lines[i];
            if (line.level != 1) continue;
            const auto below = subordinates(record, i);
            if (line.tag == "MARR") married = true;
            if (line.tag == "EVEN" && trimmed(firstValue(below, 2, "TYPE")) == "Vaste relatie") steady = true;
            if (line.tag == "CHIL") {
                if (const auto child = personAt(line.value)) m_parents.emplace(child->value, std::pair(husband, wife));
            }
            const bool known = line.tag == "HUSB" || line.tag == "WIFE" || line.tag == "CHIL" ||
                               (line.tag == "EVEN" && steady);
            if (!known && line.tag != "MARR") {
                m_losses.add(Loss::UnknownTag, line.tag);
                continue;
            }
            for (const auto& sub : below) {
                if (sub.level == 2 && !(line.tag == "EVEN" && sub.tag == "TYPE")) m_losses.add(Loss::UnknownTag, sub.tag);
            }
        }
        m_familyOf.emplace(record.xref, std::pair(husband, wife));
        if (!husband || !wife) return;
        for (int entry = 1; entry <= UnionTable::kLast; ++entry) {
            if (m_result.unions[entry].inUse()) continue;
            m_result.unions[entry] = {static_cast<std::uint16_t>(husband->value), static_cast<std::uint16_t>(wife->value),
                                      static_cast<std::uint8_t>(married || !steady ? 1 : 0), 0};
            break;
        }
    }

    // Children listed in a family, else through the family they name.
    void childLinks() {
        for (std::size_t i = 0; i < m_persons.size(); ++i) {
            const RecordNo child = m_numbers[i];
            auto parents = m_parents.find(child.value);
            std::pair<std::optional<RecordNo>, std::optional<RecordNo>> pair;
            if (parents != m_parents.end()) pair = parents->second;
            for (const auto& line : m_persons[i]->lines) {
                if (line.level != 1 || line.tag != "FAMC") continue;
                const auto family = m_familyOf.find(line.value);
                if (family == m_familyOf.end()) continue;
                if (!pair.first) pair.first = family->second.first;
                if (!pair.second) pair.second = family->second.second;
            }
            PersonRecord stored = persons().record(child);
            if (pair.first) stored.father = static_cast<std::uint16_t>(pair.first->value);
            if (pair.second) stored.mother = static_cast<std::uint16_t>(pair.second->value);
            persons().putRecord(child, stored);
        }
    }

    // A person cannot be his own ancestor: the link that closes a circle goes.
    void breakCycles() {
        const int count = persons().count();
        std::vector<int> state(static_cast<std::size_t>(count) + 1, 0);  // 0 new, 1 on the path, 2 done
        for (int start = 1; start <= count; ++start) {
            if (state[static_cast<std::size_t>(start)] != 0) continue;
            std::vector<std::pair<int, int>> path{{start, 0}};  // person, next parent to look at
            state[static_cast<std::size_t>(start)] = 1;
            while (!path.empty()) {
                auto& [person, next] = path.back();
                if (next == 2) {
                    state[static_cast<std::size_t>(person)] = 2;
                    path.pop_back();
                    continue;
                }
                const bool father = next++ == 0;
                const RecordNo r(person);
                const int parent = (father ? persons().getFather(r) : persons().getMother(r)).value;
                if (parent < 1 || parent > count) continue;
                if (state[static_cast<std::size_t>(parent)] == 1) {
                    father ? persons().setFather(r, RecordNo()) : persons().setMother(r, RecordNo());
                    m_losses.add(Loss::Cycle, persons().getFirstNames(r) + " " + persons().getFamilyName(r));
                } else if (state[static_cast<std::size_t>(parent)] == 0) {
                    state[static_cast<std::size_t>(parent)] = 1;
                    path.push_back({parent, 0});
                }
            }
        }
    }

    void countUnions() {
        std::map<int, int> unions;
        for (int entry = 1; entry <= UnionTable::kLast; ++entry) {
            const UnionEntry& u = m_result.unions[entry];
            if (!u.inUse()) continue;
            for (int person : {int(u.man), int(u.woman)}) {
                if (++unions[person] == kMaxUnionsShown + 1) {
                    const RecordNo r(person);
                    m_losses.add(Loss::ManyUnions, persons().getFirstNames(r) + " " + persons().getFamilyName(r));
                }
            }
        }
    }

    const GedcomFile& m_file;
    std::filesystem::path m_folder;
    bool m_fromBrinox = false;
    std::vector<const GedcomRecord*> m_persons, m_families;
    std::vector<RecordNo> m_numbers;
    std::map<std::string, std::size_t> m_byXref;
    std::map<std::string, std::string> m_notes;
    std::map<std::string, Medium> m_media;
    std::map<int, std::pair<std::optional<RecordNo>, std::optional<RecordNo>>> m_parents;
    std::map<std::string, std::pair<std::optional<RecordNo>, std::optional<RecordNo>>> m_familyOf;
    std::map<int, int> m_photoCount, m_soundCount;
    ImportLosses m_losses;
    ImportedFamily m_result;
};

}  // namespace

std::variant<ImportedFamily, std::string> importGedcom(const GedcomFile& file, const std::filesystem::path& folder) {
    return Importer(file, folder).run();
}

std::string refusalMessage(GedcomRefusal refusal) {
    switch (refusal) {
        case GedcomRefusal::TooLarge: return "Dit bestand is te groot voor een GEDCOM-bestand van een familie.";
        case GedcomRefusal::Ansel:
            return "Dit GEDCOM-bestand is geschreven in de tekenset ANSEL, die Brinox niet kan lezen.\n"
                   "Exporteer het opnieuw als UTF-8 (Unicode) en lees het dan in.";
        case GedcomRefusal::NotGedcom: return "Dit is geen GEDCOM-bestand: het begint niet met een HEAD-regel.";
    }
    return "";
}

}  // namespace brinox
