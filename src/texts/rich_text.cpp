#include "texts/rich_text.h"

namespace brinox {

void appendCharacter(Paragraph& paragraph, char32_t character, const CharFormat& format) {
    appendUtf8(paragraph.text, character);
    if (!paragraph.runs.empty() && paragraph.runs.back().format == format) {
        ++paragraph.runs.back().length;
        return;
    }
    const std::size_t start =
        paragraph.runs.empty() ? 0 : paragraph.runs.back().start + paragraph.runs.back().length;
    paragraph.runs.push_back({start, 1, format});
}

namespace {

// The number of continuation bytes after a lead byte and the smallest value
// its length may encode; 0 continuation bytes with no minimum for ASCII.
struct Lead {
    int continuation;
    char32_t value;
    char32_t minimum;
};

std::optional<Lead> leadOf(unsigned char byte) {
    if (byte < 0x80) return Lead{0, byte, 0};
    if ((byte & 0xE0) == 0xC0) return Lead{1, char32_t(byte & 0x1F), 0x80};
    if ((byte & 0xF0) == 0xE0) return Lead{2, char32_t(byte & 0x0F), 0x800};
    if ((byte & 0xF8) == 0xF0) return Lead{3, char32_t(byte & 0x07), 0x10000};
    return std::nullopt;
}

}  // namespace

std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        auto lead = leadOf(static_cast<unsigned char>(text[pos++]));
        if (!lead || text.size() - pos < static_cast<std::size_t>(lead->continuation)) return std::nullopt;
        char32_t value = lead->value;
        for (int i = 0; i < lead->continuation; ++i) {
            const auto next = static_cast<unsigned char>(text[pos++]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < lead->minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
        out += value;
    }
    return out;
}

void endParagraph(RichText& document, Paragraph& paragraph, const CharFormat& format) {
    if (document.paragraphs.size() + 1 >= kMaxParagraphs) {
        appendCharacter(paragraph, kLineSeparator, format);
        return;
    }
    document.paragraphs.push_back(std::move(paragraph));
    paragraph = {};
}

std::string plainText(const RichText& document) {
    std::string text;
    std::string lineSeparator;
    appendUtf8(lineSeparator, kLineSeparator);
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        if (i > 0) text += '\n';
        const std::string& own = document.paragraphs[i].text;
        for (std::size_t at = 0; at < own.size();) {
            if (own.compare(at, lineSeparator.size(), lineSeparator) == 0) {
                text += '\n';
                at += lineSeparator.size();
            } else {
                text += own[at++];
            }
        }
    }
    return text;
}

bool appendText(Paragraph& paragraph, std::string_view utf8, const CharFormat& format) {
    const auto characters = decodeUtf8(utf8);
    if (!characters) return false;
    for (char32_t c : *characters) appendCharacter(paragraph, c, format);
    return true;
}

}  // namespace brinox
