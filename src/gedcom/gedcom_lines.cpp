#include "gedcom/gedcom_lines.h"

namespace brinox {
namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Where to cut `value` so that its first piece fits in `room` bytes: never
// inside a UTF-8 character, and not next to a blank, which some readers drop.
std::size_t cutPoint(std::string_view value, std::size_t room) {
    if (value.size() <= room) return value.size();
    std::size_t cut = room;
    while (cut > 0 && isContinuationByte(value[cut])) --cut;
    std::size_t better = cut;
    while (better > room / 2 && (value[better] == ' ' || value[better - 1] == ' ' || isContinuationByte(value[better]))) {
        --better;
    }
    return better > room / 2 ? better : (cut > 0 ? cut : room);
}

}  // namespace

std::string gedcomXref(char letter, int number) {
    std::string xref(1, '@');
    xref += letter;
    xref += std::to_string(number);
    xref += '@';
    return xref;
}

void GedcomWriter::record(std::string_view xref, std::string_view tag, std::string_view value) {
    std::string head;
    if (!xref.empty()) {
        head += xref;
        head += ' ';
    }
    head += tag;
    continued(0, head, value);
}

void GedcomWriter::line(int level, std::string_view tag, std::string_view value) { continued(level, tag, value); }

void GedcomWriter::single(int level, std::string_view head, std::string_view value) {
    m_text += std::to_string(level);
    m_text += ' ';
    m_text += head;
    if (!value.empty()) {
        m_text += ' ';
        m_text += value;
    }
    m_text += "\r\n";
}

void GedcomWriter::continued(int level, std::string_view head, std::string_view value) {
    bool first = true;
    while (true) {
        const std::size_t newline = value.find('\n');
        std::string_view piece = value.substr(0, newline);
        std::string_view tag = first ? head : std::string_view("CONT");
        int at = first ? level : level + 1;
        while (true) {
            const std::size_t room = kGedcomLineLimit - std::to_string(at).size() - tag.size() - 2;
            const std::size_t cut = cutPoint(piece, room);
            single(at, tag, piece.substr(0, cut));
            piece.remove_prefix(cut);
            if (piece.empty()) break;
            tag = "CONC";
            at = level + 1;
        }
        first = false;
        if (newline == std::string_view::npos) break;
        value.remove_prefix(newline + 1);
    }
}

}  // namespace brinox
