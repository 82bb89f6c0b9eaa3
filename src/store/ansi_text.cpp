#include "store/ansi_text.h"

#include <algorithm>
#include <array>

namespace brinox {
namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five undefined bytes.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Decodes one UTF-8 character at pos and advances pos; empty on malformed input.
std::optional<char32_t> nextCodePoint(std::string_view s, size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (extra > 0 && pos + extra >= s.size()) return std::nullopt;
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += 1 + extra;
    return cp;
}

unsigned char upperByte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}

// The letter an upper-case byte sorts with: accents dropped.
unsigned char baseLetter(unsigned char upper) {
    if (upper >= 0xC0 && upper <= 0xC6) return 'A';
    if (upper == 0xC7) return 'C';
    if (upper >= 0xC8 && upper <= 0xCB) return 'E';
    if (upper >= 0xCC && upper <= 0xCF) return 'I';
    if (upper == 0xD0) return 'D';
    if (upper == 0xD1) return 'N';
    if ((upper >= 0xD2 && upper <= 0xD6) || upper == 0xD8 || upper == 0x8C) return 'O';
    if (upper >= 0xD9 && upper <= 0xDC) return 'U';
    if (upper == 0xDD || upper == 0x9F) return 'Y';
    if (upper == 0xDF || upper == 0x8A) return 'S';
    if (upper == 0x8E) return 'Z';
    if (upper == 0x83) return 'F';
    return upper;
}

}  // namespace

void appendUtf8(std::string& out, char32_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (character >> 18));
        out += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

char32_t windows1252ToUnicode(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

std::optional<std::uint8_t> unicodeToWindows1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<std::uint8_t>(cp);
    for (unsigned i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) return static_cast<std::uint8_t>(0x80 + i);
    }
    // The undefined bytes travel as the C1 code points of the same value.
    if (cp >= 0x80 && cp <= 0x9F && kHighControls[cp - 0x80] == 0) return static_cast<std::uint8_t>(cp);
    return std::nullopt;
}

std::string ansiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    for (char c : ansi) appendUtf8(out, windows1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const auto cp = nextCodePoint(utf8, pos);
        if (!cp) return std::nullopt;
        const auto byte = unicodeToWindows1252(*cp);
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
    }
    return out;
}

std::string ansiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(upperByte(static_cast<unsigned char>(c)));
    return out;
}

int compareAnsiNoCase(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    int accentOrder = 0;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ua = upperByte(static_cast<unsigned char>(a[i]));
        const unsigned char ub = upperByte(static_cast<unsigned char>(b[i]));
        const unsigned char ba = baseLetter(ua);
        const unsigned char bb = baseLetter(ub);
        if (ba != bb) return ba < bb ? -1 : 1;
        if (accentOrder == 0 && ua != ub) accentOrder = ua < ub ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return accentOrder;
}

std::optional<std::pair<std::string, std::string>> foldedAsAnsi(std::string_view a, std::string_view b) {
    const auto ansiA = utf8ToAnsi(a);
    const auto ansiB = utf8ToAnsi(b);
    if (!ansiA || !ansiB) return std::nullopt;
    return std::pair{ansiUpper(*ansiA), ansiUpper(*ansiB)};
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (const auto folded = foldedAsAnsi(a, b)) return folded->first == folded->second;
    return asciiUpper(a) == asciiUpper(b);
}

std::string ansiForMessage(std::string_view utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        // One UTF-8 character at a time, so one foreign letter costs one "?".
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const auto piece = utf8ToAnsi(utf8.substr(i, length));
        out += piece ? *piece : "?";
        i += length;
    }
    return out;
}

}  // namespace brinox
