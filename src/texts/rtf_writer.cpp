#include "texts/rtf_writer.h"

#include <algorithm>
#include <vector>

#include "store/ansi_text.h"

namespace brinox {

namespace {

void appendNumber(std::string& out, long value) { out += std::to_string(value); }

void appendHexByte(std::string& out, std::uint8_t byte) {
    constexpr char kDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

// \uN takes a signed 16-bit N; characters beyond the basic plane are
// written as their surrogate pair. The '?' for older readers is written as
// \'3f: readers that skip it as a token would otherwise drop the letters
// after it too.
void appendUnicode(std::string& out, char32_t character) {
    if (character > 0xFFFF) {
        const char32_t offset = character - 0x10000;
        appendUnicode(out, 0xD800 + (offset >> 10));
        appendUnicode(out, 0xDC00 + (offset & 0x3FF));
        return;
    }
    out += "\\u";
    appendNumber(out, character >= 0x8000 ? static_cast<long>(character) - 65536 : static_cast<long>(character));
    out += "\\'3f";
}

// A font name ends at ';', so there that character is escaped too.
void appendEscaped(std::string& out, char32_t character, bool inFontName) {
    if (character == U'\\' || character == U'{' || character == U'}') {
        out += '\\';
        out += static_cast<char>(character);
    } else if (character == U'\t' && !inFontName) {
        out += "\\tab ";
    } else if (character == kLineSeparator && !inFontName) {
        out += "\\line ";
    } else if (character >= 0x20 && character < 0x7F && !(inFontName && character == U';')) {
        out += static_cast<char>(character);
    } else if (const auto byte = unicodeToWindows1252(character)) {
        appendHexByte(out, *byte);
    } else {
        appendUnicode(out, character);
    }
}

void appendText(std::string& out, std::u32string_view text, bool inFontName) {
    for (char32_t c : text) appendEscaped(out, c, inFontName);
}

// The fonts and colours in the order the document first uses them.
struct Tables {
    std::vector<std::string> fonts;
    std::vector<Rgb> colours;

    long fontIndex(const std::string& font) const {
        return std::find(fonts.begin(), fonts.end(), font) - fonts.begin();
    }
    // 0 is the empty first entry: the reader's own colour.
    long colourIndex(const std::optional<Rgb>& colour) const {
        if (!colour) return 0;
        return std::find(colours.begin(), colours.end(), *colour) - colours.begin() + 1;
    }
};

Tables collectTables(const RichText& document) {
    Tables tables;
    for (const auto& paragraph : document.paragraphs) {
        for (const auto& run : paragraph.runs) {
            const auto& format = run.format;
            if (std::find(tables.fonts.begin(), tables.fonts.end(), format.fontFamily) == tables.fonts.end()) {
                tables.fonts.push_back(format.fontFamily);
            }
            if (format.colour &&
                std::find(tables.colours.begin(), tables.colours.end(), *format.colour) == tables.colours.end()) {
                tables.colours.push_back(*format.colour);
            }
        }
    }
    return tables;
}

void appendTables(std::string& out, const Tables& tables) {
    out += "{\\fonttbl";
    for (std::size_t i = 0; i < tables.fonts.size(); ++i) {
        out += "{\\f";
        appendNumber(out, static_cast<long>(i));
        out += ' ';
        appendText(out, decodeUtf8(tables.fonts[i]).value_or(U""), true);
        out += ";}";
    }
    out += "}\r\n{\\colortbl;";
    for (const auto& colour : tables.colours) {
        out += "\\red";
        appendNumber(out, colour.red);
        out += "\\green";
        appendNumber(out, colour.green);
        out += "\\blue";
        appendNumber(out, colour.blue);
        out += ';';
    }
    out += "}\r\n";
}

void appendRun(std::string& out, std::u32string_view text, const CharFormat& format, const Tables& tables) {
    out += "{\\f";
    appendNumber(out, tables.fontIndex(format.fontFamily));
    out += "\\fs";
    appendNumber(out, format.halfPoints);
    if (format.bold) out += "\\b";
    if (format.italic) out += "\\i";
    if (format.underline) out += "\\ul";
    if (format.strike) out += "\\strike";
    if (format.colour) {
        out += "\\cf";
        appendNumber(out, tables.colourIndex(format.colour));
    }
    out += ' ';
    appendText(out, text, false);
    out += '}';
}

constexpr const char* alignmentWord(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left: return "";
        case Alignment::Center: return "\\qc";
        case Alignment::Right: return "\\qr";
        case Alignment::Justify: return "\\qj";
    }
    return "";
}

void appendParagraph(std::string& out, const Paragraph& paragraph, const Tables& tables) {
    out += "\\pard";
    out += alignmentWord(paragraph.alignment);
    const std::u32string text = decodeUtf8(paragraph.text).value_or(U"");
    for (const auto& run : paragraph.runs) {
        const std::size_t start = std::min(run.start, text.size());
        appendRun(out, std::u32string_view(text).substr(start, run.length), run.format, tables);
    }
    out += "\\par\r\n";
}

}  // namespace

std::string writeRtf(const RichText& document) {
    const Tables tables = collectTables(document);
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0";
    appendTables(out, tables);
    for (const auto& paragraph : document.paragraphs) appendParagraph(out, paragraph, tables);
    out += "}\r\n";
    return out;
}

}  // namespace brinox
