#pragma once

// A formatted text as the life-description windows show it, without any
// window library: paragraphs of UTF-8 text, each with its alignment and the
// runs of equal character formatting that cover its text. Readers and the
// writer keep documents in one form (runs merged where their formats are
// equal, no empty runs), so two documents compare equal exactly when they
// look the same.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/ansi_text.h"

namespace brinox {

enum class Alignment { Left, Center, Right, Justify };

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr int kDefaultHalfPoints = 24;

struct CharFormat {
    std::string fontFamily;  // UTF-8; empty when the text names no font
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    std::optional<Rgb> colour;  // empty: the reader's own text colour
    bool operator==(const CharFormat&) const = default;
};

// Start and length count characters (code points) within the paragraph.
struct TextRun {
    std::size_t start = 0;
    std::size_t length = 0;
    CharFormat format;
    bool operator==(const TextRun&) const = default;
};

// A tab is '\t'; a line break within the paragraph is U+2028.
struct Paragraph {
    Alignment alignment = Alignment::Left;
    std::string text;
    std::vector<TextRun> runs;
    bool operator==(const Paragraph&) const = default;
};

struct RichText {
    std::vector<Paragraph> paragraphs;
    bool operator==(const RichText&) const = default;
};

inline constexpr char32_t kLineSeparator = 0x2028;
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// No life description comes near this many paragraphs; beyond it a
// paragraph end becomes a line break, so that a hostile file cannot make
// millions of them while its text is still kept whole.
inline constexpr std::size_t kMaxParagraphs = 100000;

// Ends `paragraph` (moving it into the document) and starts a new one;
// with kMaxParagraphs reached, adds a line break in `format` instead.
void endParagraph(RichText& document, Paragraph& paragraph, const CharFormat& format);

// Adds one character in the given format, extending the last run when its
// format is the same.
void appendCharacter(Paragraph& paragraph, char32_t character, const CharFormat& format);

// Adds UTF-8 text in one format; false, with nothing added, when it is no
// valid UTF-8.
bool appendText(Paragraph& paragraph, std::string_view utf8, const CharFormat& format);

// The whole text as UTF-8: a line feed between paragraphs and for each line
// break within one.
std::string plainText(const RichText& document);

// The characters of valid UTF-8; empty when the text is not valid UTF-8
// (overlong forms, surrogates and values beyond U+10FFFF included).
std::optional<std::u32string> decodeUtf8(std::string_view text);

}  // namespace brinox
