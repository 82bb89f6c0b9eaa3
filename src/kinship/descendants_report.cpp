#include "kinship/descendants_report.h"

#include <cstdint>
#include <span>

#include "store/attachment_names.h"
#include "store/family_files.h"
#include "store/io_errors.h"
#include "store/safe_save.h"

namespace brinox {
namespace {

class ReportText {
public:
    void line(const std::string& text) { m_bytes += text + "\r\n"; }
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

std::string parentText(const char* label, const PersonTable& persons, RecordNo parent) {
    return label + ("[" + toText(parent) + "]  ") + persons.getFirstNames(parent) + " " +
           persons.getFamilyName(parent);
}

void dataBlock(ReportText& out, const PersonTable& persons, const UnionTable& unions, RecordNo r) {
    const std::string rule(59, '-');
    out.line(rule);
    const char sex = persons.getSex(r);
    out.line((sex == 'm' ? "Geslacht  : man                        record : "
                         : "Geslacht  : vrouw                      record : ") +
             toText(r));
    out.line("Naam      : " + persons.getFirstNames(r) + "  " + persons.getFamilyName(r));
    if (persons.getBirthYear(r) != 0) {
        out.line("Geboren   : " + std::to_string(persons.getBirthDay(r)) + "-" + std::to_string(persons.getBirthMonth(r)) +
                 "-" + std::to_string(persons.getBirthYear(r)));
    }
    if (persons.getDeathYear(r) != 0) {
        out.line("Overleden : " + std::to_string(persons.getDeathDay(r)) + "-" + std::to_string(persons.getDeathMonth(r)) +
                 "-" + std::to_string(persons.getDeathYear(r)));
    }
    if (const RecordNo father = persons.getFather(r); !father.isNone()) out.line(parentText("vader     : ", persons, father));
    if (const RecordNo mother = persons.getMother(r); !mother.isNone()) out.line(parentText("moeder    : ", persons, mother));
    out.line("Levenspartner :");
    for (int i = 0; i < UnionTable::kEntries; ++i) {
        const UnionEntry& entry = unions[i];
        int partner = 0;
        if (sex == 'm' && entry.man == r.value) partner = entry.woman;
        if (sex == 'v' && entry.woman == r.value) partner = entry.man;
        if (partner == 0) continue;
        const RecordNo p(partner);
        out.line("[" + toText(persons.getNumber(p)) + "]  " + persons.getFirstNames(p) + " " + persons.getFamilyName(p));
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
    out.line("     " + persons.getFirstNames(progenitor) + " " + persons.getFamilyName(progenitor));
    out.line("     - de partners zijn voorzien van een sterretje       ");
    out.line("     - iedere volgende generatie springt 10 spaties in    ");
    out.line(wideRule);
    for (const auto& line : walk.lines) out.line(line.shown());
    if (walk.cutShort) {
        out.line("     - LET OP: de lijst is na " + std::to_string(kMaxDescendantLines) +
                 " regels afgebroken, er zijn er meer");
    }
    out.line(" ");
    out.line(std::string(59, '-'));
    out.line("        Nu volgen de Data van deze " + std::to_string(walk.lines.size()) + " personen ");
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
    inform(prompt, "Het nageslacht van \n" + persons.getFirstNames(walk.progenitor) + " " +
                       persons.getFamilyName(walk.progenitor) + "\n staat nu in file " + name);
    return {ReportSave::Written};
}

}  // namespace brinox
