#include "texts/rtf_reader.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "store/ansi_text.h"

namespace brinox {

namespace {

// Groups nested deeper are skipped whole; editors never come near.
constexpr std::size_t kMaxGroupDepth = 128;
// Numeric parameters are clamped to this, so no arithmetic on them overflows.
constexpr long kParameterLimit = 1'000'000'000;
constexpr long kMaxHalfPoints = 3276;
constexpr long kMaxSkipAfterUnicode = 255;
constexpr std::size_t kMaxTableEntries = 4096;
constexpr std::size_t kMaxFontNameCharacters = 128;
constexpr std::size_t kMaxWordLength = 32;

// Where the characters of a group go.
enum class Destination { Text, FontTable, ColourTable, Skip, ObjectSkip };

struct GroupState {
    Destination destination = Destination::Text;
    long fontNumber = -1;  // -1: the document's default font
    long halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    long colourIndex = 0;
    Alignment alignment = Alignment::Left;
    long skipAfterUnicode = 1;
};

void resetCharacterFormat(GroupState& state) {
    state.fontNumber = -1;
    state.halfPoints = kDefaultHalfPoints;
    state.bold = state.italic = state.underline = state.strike = false;
    state.colourIndex = 0;
}

// Destinations whose text is not part of what the reader shows.
constexpr std::array<std::string_view, 30> kSkippedDestinations = {
    "stylesheet", "info",      "pict",       "fldinst",     "header",         "headerl",
    "headerr",    "headerf",   "footer",     "footerl",     "footerr",        "footerf",
    "footnote",   "annotation", "listtable", "listoverridetable", "revtbl",   "filetbl",
    "xe",         "tc",        "themedata",  "colorschememapping", "latentstyles", "datastore",
    "nonshppict", "bkmkstart", "bkmkend",    "template",    "shpinst",        "rsidtbl",
};

struct SymbolWord {
    std::string_view word;
    char32_t character;
};

constexpr std::array<SymbolWord, 11> kSymbolWords = {{
    {"tab", U'\t'},
    {"line", kLineSeparator},
    {"emdash", 0x2014},
    {"endash", 0x2013},
    {"lquote", 0x2018},
    {"rquote", 0x2019},
    {"ldblquote", 0x201C},
    {"rdblquote", 0x201D},
    {"bullet", 0x2022},
    {"emspace", 0x2003},
    {"enspace", 0x2002},
}};

int hexValue(std::uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isLetter(std::uint8_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

class RtfParser {
public:
    explicit RtfParser(std::span<const std::uint8_t> in) : m_in(in) { m_groups.emplace_back(); }

    RichText parse() {
        while (m_pos < m_in.size() && !m_done) step();
        flushSurrogate();
        if (!m_paragraph.text.empty()) m_document.paragraphs.push_back(std::move(m_paragraph));
        return std::move(m_document);
    }

private:
    GroupState& top() { return m_groups.back(); }
    bool ignoring() const { return m_overflow > 0; }

    void step() {
        if (takesStretch(m_in[m_pos])) return textStretch();
        const std::uint8_t c = m_in[m_pos++];
        if (c == '{') return openGroup();
        if (c == '}') return closeGroup();
        if (c == '\\') return controlSequence();
        if (c == '\r' || c == '\n' || ignoring() || skippedAfterUnicode()) return;
        character(windows1252ToUnicode(c), c == ';');
    }

    void openGroup() {
        m_skipCount = 0;
        flushSurrogate();
        if (ignoring() || m_groups.size() > kMaxGroupDepth) {
            ++m_overflow;
            return;
        }
        m_groups.push_back(m_groups.back());
    }

    void closeGroup() {
        m_skipCount = 0;
        if (ignoring()) {
            --m_overflow;
            return;
        }
        flushSurrogate();
        if (top().destination == Destination::FontTable && m_hasFontName) commitFont();
        if (m_groups.size() <= 2) {
            // The document's own group ends here, and with it the document.
            m_done = true;
            return;
        }
        m_groups.pop_back();
    }

    // After \uN the next N characters are the fallback for older readers.
    bool skippedAfterUnicode() {
        if (m_skipCount == 0) return false;
        --m_skipCount;
        return true;
    }

    void controlSequence() {
        if (m_pos >= m_in.size()) return;
        const std::uint8_t c = m_in[m_pos];
        if (isLetter(c)) return controlWord();
        ++m_pos;
        if (c == '\'') return hexCharacter();
        if (ignoring() || skippedAfterUnicode()) return;
        switch (c) {
            case '\\': case '{': case '}': return character(c, false);
            case '~': return character(0x00A0, false);
            case '-': return character(0x00AD, false);
            case '_': return character(0x2011, false);
            case '*': top().destination = Destination::Skip; return;
            case '\r': case '\n': return paragraphEnd();
            default: return;
        }
    }

    void hexCharacter() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_in.size() && hexValue(m_in[m_pos]) >= 0) {
            value = value * 16 + hexValue(m_in[m_pos++]);
            ++digits;
        }
        if (digits == 0 || ignoring() || skippedAfterUnicode()) return;
        character(windows1252ToUnicode(static_cast<std::uint8_t>(value)), false);
    }

    void controlWord() {
        std::string word;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos])) {
            if (word.size() <= kMaxWordLength) word += static_cast<char>(m_in[m_pos]);
            ++m_pos;
        }
        bool negative = false;
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && m_in[m_pos + 1] >= '0' && m_in[m_pos + 1] <= '9') {
            negative = true;
            ++m_pos;
        }
        bool hasParameter = false;
        long parameter = 0;
        while (m_pos < m_in.size() && m_in[m_pos] >= '0' && m_in[m_pos] <= '9') {
            parameter = std::min(kParameterLimit, parameter * 10 + (m_in[m_pos++] - '0'));
            hasParameter = true;
        }
        if (negative) parameter = -parameter;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos;
        if (word == "bin") {
            // Binary data counts as one character for the fallback after \uN.
            const std::size_t length = static_cast<std::size_t>(std::max(0L, parameter));
            m_pos += std::min(length, m_in.size() - m_pos);
            if (!ignoring()) skippedAfterUnicode();
            return;
        }
        if (ignoring() || skippedAfterUnicode()) return;
        if (word.size() <= kMaxWordLength) handleWord(word, hasParameter, parameter);
    }

    void handleWord(std::string_view word, bool hasParameter, long parameter) {
        GroupState& state = top();
        if (state.destination == Destination::ObjectSkip && word == "result") {
            state.destination = Destination::Text;
            return;
        }
        if (state.destination == Destination::Skip || state.destination == Destination::ObjectSkip) return;
        if (destinationWord(word)) return;
        // Font names may hold any character too.
        if (word == "u") return unicodeCharacter(parameter);
        if (word == "uc") {
            state.skipAfterUnicode = std::clamp(parameter, 0L, kMaxSkipAfterUnicode);
            return;
        }
        if (state.destination == Destination::FontTable) return fontTableWord(word, parameter);
        if (state.destination == Destination::ColourTable) return colourTableWord(word, parameter);
        if (word == "par") return paragraphEnd();
        // Table rows, pages and sections end the paragraph they close; a
        // paragraph mark right before them already did.
        if ((word == "row" || word == "page" || word == "sect") && !m_paragraph.text.empty()) return paragraphEnd();
        if (word == "cell" || word == "nestcell") return character(U'\t', false);
        if (word == "deff") {
            m_defaultFont = parameter;
            return;
        }
        for (const auto& symbol : kSymbolWords) {
            if (symbol.word == word) return character(symbol.character, false);
        }
        formatWord(word, hasParameter, parameter);
    }

    bool destinationWord(std::string_view word) {
        GroupState& state = top();
        if (word == "fonttbl") {
            state.destination = Destination::FontTable;
        } else if (word == "colortbl") {
            state.destination = Destination::ColourTable;
        } else if (word == "object") {
            state.destination = Destination::ObjectSkip;
        } else if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
                   kSkippedDestinations.end()) {
            state.destination = Destination::Skip;
        } else {
            return false;
        }
        return true;
    }

    void formatWord(std::string_view word, bool hasParameter, long parameter) {
        GroupState& state = top();
        const bool on = !hasParameter || parameter != 0;
        if (word == "f") {
            state.fontNumber = std::max(0L, parameter);
        } else if (word == "fs") {
            state.halfPoints = hasParameter ? std::clamp(parameter, 1L, kMaxHalfPoints) : kDefaultHalfPoints;
        } else if (word == "b") {
            state.bold = on;
        } else if (word == "i") {
            state.italic = on;
        } else if (word == "ulnone") {
            state.underline = false;
        } else if (word.starts_with("ul") && word != "ulc") {
            state.underline = on;
        } else if (word == "strike" || word == "striked") {
            state.strike = on;
        } else if (word == "cf") {
            state.colourIndex = std::max(0L, parameter);
        } else if (word == "plain") {
            resetCharacterFormat(state);
        } else if (word == "pard") {
            state.alignment = Alignment::Left;
        } else if (word == "ql") {
            state.alignment = Alignment::Left;
        } else if (word == "qc") {
            state.alignment = Alignment::Center;
        } else if (word == "qr") {
            state.alignment = Alignment::Right;
        } else if (word == "qj") {
            state.alignment = Alignment::Justify;
        }
    }

    void fontTableWord(std::string_view word, long parameter) {
        if (word != "f") return;
        if (m_hasFontName) commitFont();
        m_fontNumber = std::max(0L, parameter);
    }

    void colourTableWord(std::string_view word, long parameter) {
        const auto component = static_cast<std::uint8_t>(std::clamp(parameter, 0L, 255L));
        if (word == "red") {
            m_colour.red = component;
        } else if (word == "green") {
            m_colour.green = component;
        } else if (word == "blue") {
            m_colour.blue = component;
        } else {
            return;
        }
        m_hasColour = true;
    }

    void commitFont() {
        if (m_fonts.size() < kMaxTableEntries || m_fonts.count(m_fontNumber) > 0) {
            m_fonts[m_fontNumber] = m_fontName;
        }
        m_fontName.clear();
        m_fontNameLength = 0;
        m_hasFontName = false;
        m_hasFormat = false;
    }

    void commitColour() {
        if (m_colours.size() < kMaxTableEntries) {
            m_colours.push_back(m_hasColour ? std::optional<Rgb>(m_colour) : std::nullopt);
        }
        m_colour = {};
        m_hasColour = false;
        m_hasFormat = false;
    }

    // Negative values stand for the upper half of the 16-bit range; halves of
    // a pair beyond the basic plane combine.
    void unicodeCharacter(long parameter) {
        long value = parameter < 0 ? parameter + 65536 : parameter;
        if (value < 0 || value > 0xFFFF) value = kReplacementCharacter;
        character(static_cast<char32_t>(value), false);
        m_skipCount = top().skipAfterUnicode;
    }

    void character(char32_t c, bool separator) {
        if (m_highSurrogate != 0) {
            if (c >= 0xDC00 && c <= 0xDFFF) {
                const char32_t combined = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (c - 0xDC00);
                m_highSurrogate = 0;
                return deliver(combined, false);
            }
            flushSurrogate();
        }
        if (c >= 0xD800 && c <= 0xDBFF) {
            m_highSurrogate = c;
            return;
        }
        if (c >= 0xDC00 && c <= 0xDFFF) c = kReplacementCharacter;
        deliver(c, separator);
    }

    void flushSurrogate() {
        if (m_highSurrogate == 0) return;
        m_highSurrogate = 0;
        deliver(kReplacementCharacter, false);
    }

    void deliver(char32_t c, bool separator) {
        switch (top().destination) {
            case Destination::Text:
                return textCharacter(c);
            case Destination::FontTable:
                return fontNameCharacter(c, separator);
            case Destination::ColourTable:
                if (separator) commitColour();
                return;
            case Destination::Skip:
            case Destination::ObjectSkip:
                return;
        }
    }

    static bool isTextByte(std::uint8_t c) { return c != '{' && c != '}' && c != '\\' && c != '\r' && c != '\n'; }

    // Plain text in the document's own text, with nothing pending.
    bool takesStretch(std::uint8_t c) const {
        return isTextByte(c) && m_overflow == 0 && m_skipCount == 0 && m_highSurrogate == 0 &&
               m_groups.back().destination == Destination::Text;
    }

    // Most of a file is plain text between control words: taken a stretch at
    // a time, as the characters one by one would be.
    void textStretch() {
        std::size_t end = m_pos;
        while (end < m_in.size() && isTextByte(m_in[end])) ++end;
        textCharacter(windows1252ToUnicode(m_in[m_pos]));
        TextRun& run = m_paragraph.runs.back();
        for (std::size_t at = m_pos + 1; at < end; ++at) {
            const std::uint8_t byte = m_in[at];
            if (byte < 0x80) {
                m_paragraph.text += static_cast<char>(byte);
            } else {
                appendUtf8(m_paragraph.text, windows1252ToUnicode(byte));
            }
        }
        run.length += end - m_pos - 1;
        m_pos = end;
    }

    // Most characters continue the run before them: while the format was
    // not rebuilt since, they extend it without comparing formats again.
    void textCharacter(char32_t c) {
        m_paragraph.alignment = top().alignment;
        const std::size_t version = m_formatVersion;
        const CharFormat& format = currentFormat();
        if (m_runVersion == version && version == m_formatVersion && !m_paragraph.runs.empty()) {
            appendUtf8(m_paragraph.text, c);
            ++m_paragraph.runs.back().length;
            return;
        }
        appendCharacter(m_paragraph, c, format);
        m_runVersion = m_formatVersion;
    }

    void fontNameCharacter(char32_t c, bool separator) {
        if (separator) return commitFont();
        m_hasFontName = true;
        if (m_fontNameLength >= kMaxFontNameCharacters) return;
        appendUtf8(m_fontName, c);
        ++m_fontNameLength;
    }

    void paragraphEnd() {
        flushSurrogate();
        if (top().destination != Destination::Text) return;
        m_paragraph.alignment = top().alignment;
        endParagraph(m_document, m_paragraph, currentFormat());
        m_runVersion = 0;
    }

    // The format of the current run is built once and reused while the
    // formatting and the tables stay the same.
    const CharFormat& currentFormat() {
        const GroupState& state = top();
        const long font = state.fontNumber < 0 ? m_defaultFont : state.fontNumber;
        const std::array<long, 4> key = {font, state.halfPoints,
                                         state.bold + 2L * state.italic + 4L * state.underline + 8L * state.strike,
                                         state.colourIndex};
        if (m_hasFormat && key == m_formatKey) return m_format;
        const auto named = m_fonts.find(font);
        m_format.fontFamily = named == m_fonts.end() ? std::string() : named->second;
        m_format.halfPoints = static_cast<int>(state.halfPoints);
        m_format.bold = state.bold;
        m_format.italic = state.italic;
        m_format.underline = state.underline;
        m_format.strike = state.strike;
        const auto index = static_cast<std::size_t>(state.colourIndex);
        m_format.colour = index < m_colours.size() ? m_colours[index] : std::nullopt;
        m_formatKey = key;
        m_hasFormat = true;
        ++m_formatVersion;
        return m_format;
    }

    std::span<const std::uint8_t> m_in;
    std::size_t m_pos = 0;
    bool m_done = false;
    std::vector<GroupState> m_groups;
    std::size_t m_overflow = 0;
    long m_skipCount = 0;
    char32_t m_highSurrogate = 0;

    long m_defaultFont = 0;
    std::map<long, std::string> m_fonts;
    long m_fontNumber = 0;
    std::string m_fontName;
    std::size_t m_fontNameLength = 0;
    bool m_hasFontName = false;
    std::vector<std::optional<Rgb>> m_colours;
    Rgb m_colour;
    bool m_hasColour = false;

    CharFormat m_format;
    std::array<long, 4> m_formatKey{};
    bool m_hasFormat = false;
    // Counts the formats built; the last run of the paragraph has the one
    // built as m_runVersion (none after a paragraph end).
    std::size_t m_formatVersion = 1;
    std::size_t m_runVersion = 0;

    RichText m_document;
    Paragraph m_paragraph;
};

}  // namespace

bool looksLikeRtf(std::span<const std::uint8_t> bytes) {
    constexpr std::string_view kMagic = "{\\rtf";
    return bytes.size() >= kMagic.size() && std::equal(kMagic.begin(), kMagic.end(), bytes.begin());
}

std::optional<RichText> readRtf(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kRichTextFileLimit || !looksLikeRtf(bytes)) return std::nullopt;
    return RtfParser(bytes).parse();
}

std::optional<RichText> readPlainText(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kRichTextFileLimit) return std::nullopt;
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::u32string characters;
    if (auto utf8 = decodeUtf8(raw)) {
        characters = std::move(*utf8);
    } else {
        characters.reserve(bytes.size());
        for (std::uint8_t byte : bytes) characters += windows1252ToUnicode(byte);
    }
    RichText document;
    Paragraph paragraph;
    const CharFormat format;
    constexpr char32_t kByteOrderMark = 0xFEFF;
    for (std::size_t i = characters.starts_with(kByteOrderMark) ? 1 : 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        if (c != U'\r' && c != U'\n') {
            appendCharacter(paragraph, c, format);
            continue;
        }
        if (c == U'\r' && i + 1 < characters.size() && characters[i + 1] == U'\n') ++i;
        endParagraph(document, paragraph, format);
    }
    if (!paragraph.text.empty()) document.paragraphs.push_back(std::move(paragraph));
    return document;
}

}  // namespace brinox
