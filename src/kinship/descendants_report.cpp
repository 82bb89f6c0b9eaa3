#include "kinship/descendants_report.h"

#include <cstdint>
#include <span>
#include <string_view>

#include "store/attachment_names.h"
#include "store/family_files.h"
#include "store/io_errors.h"
#include "store/safe_save.h"

namespace brinox {
namespace {

class ReportText {
public:
    // One line from its parts (appended, not added up: GCC 12 warns wrongly
    // with -Wrestrict on a literal plus a temporary string).
    template <typename... Parts>
    void line(const Parts&... parts) {
        (m_bytes.append(std::string_view(parts)), ...);
        m_bytes += "\r\n";
    }
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

void personLine(ReportText& out, const char* label, const PersonTable& persons, RecordNo shown, RecordNo r) {
    out.line(label, "[", toText(shown), "]  ", persons.getFirstNames(r), " ", persons.getFamilyName(r));
}

void dateLine(ReportText& out, const char* label, int day, int month, int year) {
    out.line(label, std::to_string(day), "-", std::to_string(month), "-", std::to_string(year));
}

void dataBlock(ReportText& out, const PersonTable& persons, const UnionTable& unions, RecordNo r) {
    const std::string rule(59, '-');
    out.line(rule);
    const char sex = persons.getSex(r);
    out.line(sex == 'm' ? "Geslacht  : man                        record : "
                        : "Geslacht  : vrouw                      record : ",
             toText(r));
    out.line("Naam      : ", persons.getFirstNames(r), "  ", persons.getFamilyName(r));
    if (persons.getBirthYear(r) != 0) {
        dateLine(out, "Geboren   : ", persons.getBirthDay(r), persons.getBirthMonth(r), persons.getBirthYear(r));
    }
    if (persons.getDeathYear(r) != 0) {
        dateLine(out, "Overleden : ", persons.getDeathDay(r), persons.getDeathMonth(r), persons.getDeathYear(r));
    }
    if (const RecordNo father = persons.getFather(r); !father.isNone()) {
        personLine(out, "vader     : ", persons, father, father);
    }
    if (const RecordNo mother = persons.getMother(r); !mother.isNone()) {
        personLine(out, "moeder    : ", persons, mother, mother);
    }
    out.line("Levenspartner :");
    for (int i = 0; i < UnionTable::kEntries; ++i) {
        const UnionEntry& entry = unions[i];
        int partner = 0;
        if (sex == 'm' && entry.man == r.value) partner = entry.woman;
        if (sex == 'v' && entry.woman == r.value) partner = entry.man;
        if (partner == 0) continue;
        personLine(out, "", persons, persons.getNumber(RecordNo(partner)), RecordNo(partner));
    }
    if (const auto info1 = persons.getInfo1(r); !info1.empty()) out.line(info1);
    if (const auto info2 = persons.getInfo2(r); !info2.empty()) out.line(info2);
}

}  // namespace

std::filesystem::path descendantsReportPath(const Session& session, RecordNo person) {
    return AttachmentPath(familyFiles(session.dataDirectory, session.familyCode).directory, person, "", ".AFS");
}

std::string descendantsReport(const PersonTable& persons, const UnionTable& unions, const DescendantWalk& walk) {
    ReportText out;
    const std::string wideRule(72, '-');
    const RecordNo progenitor = walk.progenitor;
    out.line(wideRule);
    out.line("              OVERZICHT VAN AFSTAMMELINGEN VAN ");
    out.line("     ", persons.getFirstNames(progenitor), " ", persons.getFamilyName(progenitor));
    out.line("     - de partners zijn voorzien van een sterretje       ");
    out.line("     - iedere volgende generatie springt 10 spaties in    ");
    out.line(wideRule);
    for (const auto& line : walk.lines) out.line(line.shown());
    if (walk.cutShort) {
        out.line("     - LET OP: de lijst is na ", std::to_string(kMaxDescendantLines),
                 " regels afgebroken, er zijn er meer");
    }
    out.line(" ");
    out.line(std::string(59, '-'));
    out.line("        Nu volgen de Data van deze ", std::to_string(walk.lines.size()), " personen ");
    for (const auto& line : walk.lines) {
        if (line.person.value >= 1 && line.person.value <= persons.count()) dataBlock(out, persons, unions, line.person);
    }
    out.line("--------------------- einde -------------------------------");
    return out.bytes();
}

ReportSave saveDescendantsReport(const PersonTable& persons, const UnionTable& unions, const DescendantWalk& walk,
                                 const std::filesystem::path& file, Prompt& prompt, ReportReplace replace,
                                 FileCalls& calls) {
    const std::string name = pathForMessage(file);
    std::error_code ec;
    if (replace == ReportReplace::Ask && std::filesystem::exists(file, ec) &&
        prompt.message(MessageKind::Warning, "De file " + name + "\nbestaat al.\nOverschrijven?",
                       {Button::Yes, Button::No}) != Button::Yes) {
        return {ReportSave::Declined};
    }
    const std::string report = descendantsReport(persons, unions, walk);
    const auto* data = reinterpret_cast<const std::uint8_t*>(report.data());
    if (const int error = writeFileAtomically(file, std::span(data, report.size()), calls)) {
        return {ReportSave::Failed, error};
    }
    const std::string progenitor = persons.getFirstNames(walk.progenitor) + " " + persons.getFamilyName(walk.progenitor);
    inform(prompt, "Het nageslacht van \n" + progenitor + "\n staat nu in file " + name);
    return {ReportSave::Written};
}

}  // namespace brinox
