#include "gedcom/gedcom_export.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "gedcom/gedcom_dates.h"
#include "gedcom/gedcom_lines.h"
#include "photos/caption_file.h"
#include "store/ansi_text.h"
#include "store/attachment_names.h"
#include "store/family_files.h"
#include "store/program_version.h"
#include "texts/life_texts.h"

namespace brinox {
namespace {

constexpr char kLastPhotoLetter = 'T';

// UTF-8 text as a GEDCOM value: no carriage returns, "@" doubled.
std::string utf8Value(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        if (c == '\r') continue;
        out += c;
        if (c == '@') out += '@';
    }
    return out;
}

// A stored Windows-1252 text as a GEDCOM value.
std::string value(const std::string& ansi) { return utf8Value(ansiToUtf8(ansi)); }

struct Family {
    RecordNo husband, wife;
    int unionEntry = 0;  // 0 for a family made only for children
    std::vector<RecordNo> children;
};

struct Medium {
    std::string file;  // the name as on disk, relative to the family folder
    std::string form;
    std::string title;
};

class Exporter {
public:
    Exporter(const Session& session, const Moment& today) : m_session(session), m_today(today) {
        m_directory = familyFiles(session.dataDirectory, session.familyCode).directory;
        listFolder();
        if (auto read = readCaptionFile(captionFilePath(session)); auto* file = std::get_if<CaptionFile>(&read)) {
            m_captions = std::move(*file);
        }
    }

    GedcomExport run() {
        buildFamilies();
        header();
        for (int i = 1; i <= m_session.persons.count(); ++i) {
            if (m_session.persons.isPerson(RecordNo(i))) person(RecordNo(i));
        }
        for (std::size_t i = 0; i < m_families.size(); ++i) family(static_cast<int>(i) + 1, m_families[i]);
        for (std::size_t i = 0; i < m_media.size(); ++i) medium(static_cast<int>(i) + 1, m_media[i]);
        for (std::size_t i = 0; i < m_notes.size(); ++i) {
            m_out.record(gedcomXref('N', static_cast<int>(i) + 1), "NOTE", m_notes[i]);
        }
        m_out.record("", "TRLR");
        m_counts.families = static_cast<int>(m_families.size());
        m_counts.media = static_cast<int>(m_media.size());
        m_counts.notes = static_cast<int>(m_notes.size());
        return {m_out.text(), m_counts};
    }

private:
    const PersonTable& persons() const { return m_session.persons; }
    bool isPerson(RecordNo r) const { return !r.isNone() && persons().isPerson(r); }

    void buildFamilies() {
        const UnionTable& unions = m_session.unions;
        for (int entry = 1; entry <= UnionTable::kLast; ++entry) {
            const UnionEntry& u = unions[entry];
            if (!u.inUse() || !isPerson(RecordNo(u.man)) || !isPerson(RecordNo(u.woman))) continue;
            m_families.push_back({RecordNo(u.man), RecordNo(u.woman), entry, {}});
        }
        for (int i = 1; i <= persons().count(); ++i) {
            const RecordNo child(i);
            if (!isPerson(child)) continue;
            const RecordNo father = persons().getFather(child), mother = persons().getMother(child);
            const bool hasFather = isPerson(father) && father != child, hasMother = isPerson(mother) && mother != child;
            if (hasFather && hasMother) {
                if (Family* both = unionOf(father, mother)) {
                    both->children.push_back(child);
                    continue;
                }
            }
            // Parents who are no registered couple each get a family of
            // their own, so that no union appears that was never entered.
            if (hasFather) loneParent(father, true).children.push_back(child);
            if (hasMother) loneParent(mother, false).children.push_back(child);
        }
        for (std::size_t i = 0; i < m_families.size(); ++i) {
            const Family& f = m_families[i];
            for (RecordNo spouse : {f.husband, f.wife}) {
                if (!spouse.isNone()) m_spouseIn[spouse.value].push_back(static_cast<int>(i) + 1);
            }
            for (RecordNo child : f.children) m_childIn[child.value].push_back(static_cast<int>(i) + 1);
        }
    }

    Family* unionOf(RecordNo man, RecordNo woman) {
        for (Family& f : m_families) {
            if (f.unionEntry != 0 && f.husband == man && f.wife == woman) return &f;
        }
        return nullptr;
    }

    Family& loneParent(RecordNo parent, bool isFather) {
        for (Family& f : m_families) {
            if (f.unionEntry == 0 && (isFather ? f.husband == parent && f.wife.isNone()
                                               : f.wife == parent && f.husband.isNone())) {
                return f;
            }
        }
        m_families.push_back(isFather ? Family{parent, RecordNo(), 0, {}} : Family{RecordNo(), parent, 0, {}});
        return m_families.back();
    }

    void header() {
        m_out.record("", "HEAD");
        m_out.line(1, "SOUR", "Brinox");
        m_out.line(2, "VERS", kProgramVersion);
        m_out.line(2, "NAME", "Brinox");
        m_out.line(1, "DATE", gedcomDate({m_today.day, m_today.month, m_today.year}));
        m_out.line(1, "SUBM", "@U1@");
        m_out.line(1, "FILE", value(m_session.familyCode) + ".ged");
        m_out.line(1, "GEDC");
        m_out.line(2, "VERS", "5.5.1");
        m_out.line(2, "FORM", "LINEAGE-LINKED");
        m_out.line(1, "CHAR", "UTF-8");
        m_out.line(1, "LANG", "Dutch");
        m_out.record("@U1@", "SUBM");
        m_out.line(1, "NAME", "Brinox");
    }

    void event(const char* tag, DayMonthYear date) {
        if (!date.known()) return;
        m_out.line(1, tag);
        m_out.line(2, "DATE", gedcomDate(date));
    }

    void person(RecordNo r) {
        ++m_counts.persons;
        const PersonTable& p = persons();
        m_out.record(gedcomXref('I', r.value), "INDI");
        const std::string given = value(p.getFirstNames(r)), surname = value(p.getFamilyName(r));
        m_out.line(1, "NAME", given + (given.empty() ? "/" : " /") + surname + "/");
        if (!given.empty()) m_out.line(2, "GIVN", given);
        if (!surname.empty()) m_out.line(2, "SURN", surname);
        const char sex = p.getSex(r);
        m_out.line(1, "SEX", sex == 'm' ? "M" : sex == 'v' ? "F" : "U");
        event("BIRT", {p.getBirthDay(r), p.getBirthMonth(r), p.getBirthYear(r)});
        event("DEAT", {p.getDeathDay(r), p.getDeathMonth(r), p.getDeathYear(r)});
        m_out.line(1, "REFN", std::to_string(r.value));
        const std::string info1 = value(p.getInfo1(r)), info2 = value(p.getInfo2(r));
        if (!info1.empty() || !info2.empty()) m_out.line(1, "NOTE", info2.empty() ? info1 : info1 + "\n" + info2);
        for (int f : m_spouseIn[r.value]) m_out.line(1, "FAMS", gedcomXref('F', f));
        for (int f : m_childIn[r.value]) m_out.line(1, "FAMC", gedcomXref('F', f));
        attachments(r);
    }

    // The folder is listed once: looking up forty names for each of six
    // hundred persons one by one would list it thousands of times.
    void listFolder() {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(m_directory, ec), end; !ec && it != end; it.increment(ec)) {
            if (!it->is_regular_file(ec)) continue;
            const std::string name = it->path().filename().string();
            m_files.emplace(asciiUpper(name), name);
            m_names.insert(name);
        }
    }

    // The attachment's name as on disk, in any letter case; empty when none.
    // The exact name wins over other spellings, as everywhere in the program.
    std::string onDisk(RecordNo r, std::string_view letter, std::string_view extension) const {
        const std::string name = attachmentName(r, letter, extension);
        if (m_names.count(name)) return name;
        const auto found = m_files.find(asciiUpper(name));
        return found == m_files.end() ? std::string() : found->second;
    }

    void attachments(RecordNo r) {
        const std::string key = PersonKey(r);
        for (char letter = 'A'; letter <= kLastPhotoLetter; ++letter) {
            const std::string photo = onDisk(r, std::string(1, letter), ".jpg");
            if (photo.empty()) continue;
            const auto caption = m_captions.find(key + letter);
            linkMedium({photo, "jpeg", caption ? value(*caption) : ""});
        }
        if (const std::string voice = onDisk(r, "", ".wav"); !voice.empty()) linkMedium({voice, "wav", ""});
        for (int slot = 0; slot < kLifeTextSlots; ++slot) {
            const std::string text = onDisk(r, std::string(1, static_cast<char>('A' + slot)), ".doc");
            if (text.empty()) continue;
            auto loaded = loadLifeText(m_directory / text);
            if (auto* text = std::get_if<LoadedText>(&loaded)) {
                m_notes.push_back(utf8Value(plainText(text->text)));
                m_out.line(1, "NOTE", gedcomXref('N', static_cast<int>(m_notes.size())));
            }
        }
    }

    void linkMedium(Medium medium) {
        m_media.push_back(std::move(medium));
        m_out.line(1, "OBJE", gedcomXref('M', static_cast<int>(m_media.size())));
    }

    void family(int number, const Family& f) {
        m_out.record(gedcomXref('F', number), "FAM");
        if (!f.husband.isNone()) m_out.line(1, "HUSB", gedcomXref('I', f.husband.value));
        if (!f.wife.isNone()) m_out.line(1, "WIFE", gedcomXref('I', f.wife.value));
        if (f.unionEntry != 0) {
            if (m_session.unions[f.unionEntry].married != 0) {
                m_out.line(1, "MARR", "Y");
            } else {
                m_out.line(1, "EVEN");
                m_out.line(2, "TYPE", "Vaste relatie");
            }
        }
        for (RecordNo child : f.children) m_out.line(1, "CHIL", gedcomXref('I', child.value));
    }

    void medium(int number, const Medium& m) {
        m_out.record(gedcomXref('M', number), "OBJE");
        m_out.line(1, "FILE", utf8Value(m.file));
        m_out.line(2, "FORM", m.form);
        if (!m.title.empty()) m_out.line(2, "TITL", m.title);
    }

    const Session& m_session;
    Moment m_today;
    std::filesystem::path m_directory;
    std::map<std::string, std::string> m_files;  // upper-cased name -> a name on disk
    std::set<std::string> m_names;
    CaptionFile m_captions;
    GedcomWriter m_out;
    GedcomCounts m_counts;
    std::vector<Family> m_families;
    std::map<int, std::vector<int>> m_spouseIn, m_childIn;
    std::vector<Medium> m_media;
    std::vector<std::string> m_notes;
};

}  // namespace

GedcomExport exportGedcom(const Session& session, const Moment& today) { return Exporter(session, today).run(); }

}  // namespace brinox
