#include "gedcom/gedcom_reader.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "store/ansi_text.h"
#include "texts/rich_text.h"

namespace brinox {
namespace {

enum class Encoding { Utf8, Utf16Le, Utf16Be, Windows1252, Ansel };

constexpr int kDeepestLevel = 99;

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

// The CHAR value of the header, read from its lines as ASCII; empty when the
// header names none.
std::string declaredCharacterSet(std::string_view text) {
    const std::string_view head = text.substr(0, std::min<std::size_t>(text.size(), 64 * 1024));
    bool inHeader = false;
    for (std::size_t at = 0; at < head.size();) {
        const std::size_t end = std::min(head.find_first_of("\r\n", at), head.size());
        std::string_view line = head.substr(at, end - at);
        at = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.starts_with("0 ")) {
            if (inHeader) break;
            inHeader = true;
        }
        if (line.starts_with("1 CHAR ")) {
            std::string value = upper(line.substr(7));
            while (!value.empty() && value.back() == ' ') value.pop_back();
            return value;
        }
    }
    return "";
}

Encoding encodingOf(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return Encoding::Utf16Le;
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return Encoding::Utf16Be;
    if (bytes.size() >= 2 && bytes[0] == '0' && bytes[1] == 0) return Encoding::Utf16Le;
    if (bytes.size() >= 2 && bytes[0] == 0 && bytes[1] == '0') return Encoding::Utf16Be;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) return Encoding::Utf8;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::string declared = declaredCharacterSet(text);
    if (declared == "ANSEL") return Encoding::Ansel;
    if (declared == "UTF-8" || declared == "UTF8" || declared == "UNICODE") return Encoding::Utf8;
    if (!declared.empty()) return Encoding::Windows1252;
    return decodeUtf8(text) ? Encoding::Utf8 : Encoding::Windows1252;
}

// The text as UTF-8; broken sequences become U+FFFD.
std::string asUtf8(std::span<const std::uint8_t> bytes, Encoding encoding) {
    std::string out;
    out.reserve(bytes.size());
    if (encoding == Encoding::Windows1252) {
        for (std::uint8_t byte : bytes) appendUtf8(out, windows1252ToUnicode(byte));
        return out;
    }
    if (encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be) {
        const bool little = encoding == Encoding::Utf16Le;
        char32_t high = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const char32_t unit = little ? bytes[i] | (bytes[i + 1] << 8) : (bytes[i] << 8) | bytes[i + 1];
            if (unit >= 0xD800 && unit < 0xDC00) {
                if (high) appendUtf8(out, kReplacementCharacter);
                high = unit;
                continue;
            }
            if (unit >= 0xDC00 && unit < 0xE000) {
                appendUtf8(out, high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : kReplacementCharacter);
            } else {
                if (high) appendUtf8(out, kReplacementCharacter);
                if (unit != 0xFEFF || !out.empty()) appendUtf8(out, unit);
            }
            high = 0;
        }
        return out;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::size_t start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    // Valid stretches are copied as they are, a broken byte becomes U+FFFD.
    for (std::size_t at = start; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length != 0 && at + length <= text.size() && decodeUtf8(text.substr(at, length))) {
            out.append(text.substr(at, length));
            at += length;
        } else {
            appendUtf8(out, kReplacementCharacter);
            ++at;
        }
    }
    return out;
}

struct ParsedLine {
    int level = 0;
    std::string_view xref, tag, value;
};

std::optional<ParsedLine> parseLine(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    ParsedLine parsed;
    std::size_t at = 0;
    while (at < line.size() && at < 3 && line[at] >= '0' && line[at] <= '9') {
        parsed.level = parsed.level * 10 + (line[at] - '0');
        ++at;
    }
    if (at == 0 || at >= line.size() || line[at] != ' ') return std::nullopt;
    line.remove_prefix(at);
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    if (line.starts_with('@')) {
        const std::size_t close = line.find('@', 1);
        if (close == std::string_view::npos) return std::nullopt;
        parsed.xref = line.substr(0, close + 1);
        line.remove_prefix(close + 1);
        while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    }
    const std::size_t space = line.find(' ');
    parsed.tag = line.substr(0, space);
    if (parsed.tag.empty()) return std::nullopt;
    if (space != std::string_view::npos) parsed.value = line.substr(space + 1);
    return parsed;
}

std::string unescaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        out += value[i];
        if (value[i] == '@' && i + 1 < value.size() && value[i + 1] == '@') ++i;
    }
    return out;
}

class Parser {
public:
    GedcomFile run(std::string_view text) {
        std::size_t lines = 0;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
            const std::string_view line = text.substr(at, end - at);
            at = end + 1;
            if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++at;
            if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
            if (++lines > kGedcomLineCountLimit) break;
            take(line);
        }
        return std::move(m_file);
    }

private:
    void take(std::string_view raw) {
        const auto parsed = parseLine(raw);
        if (!parsed) {
            ++m_file.unreadableLines;
            return;
        }
        const std::string tag = upper(parsed->tag);
        if (parsed->level == 0) {
            m_file.records.push_back({std::string(parsed->xref), tag, unescaped(parsed->value), {}});
            m_last = nullptr;
            return;
        }
        if (m_file.records.empty()) {
            ++m_file.unreadableLines;
            return;
        }
        GedcomRecord& record = m_file.records.back();
        if (tag == "CONC" || tag == "CONT") {
            std::string& value = m_last ? m_last->value : record.value;
            if (tag == "CONT") value += '\n';
            value += unescaped(parsed->value);
            return;
        }
        // A level may go one deeper than the line before, no more.
        const int previous = record.lines.empty() ? 0 : record.lines.back().level;
        const int level = std::min({parsed->level, previous + 1, kDeepestLevel});
        record.lines.push_back({level, tag, unescaped(parsed->value)});
        m_last = &record.lines.back();
    }

    GedcomFile m_file;
    GedcomLine* m_last = nullptr;
};

}  // namespace

std::variant<GedcomFile, GedcomRefusal> readGedcom(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kGedcomFileLimit) return GedcomRefusal::TooLarge;
    const Encoding encoding = encodingOf(bytes);
    if (encoding == Encoding::Ansel) return GedcomRefusal::Ansel;
    GedcomFile file = Parser().run(asUtf8(bytes, encoding));
    if (file.records.empty() || file.records.front().tag != "HEAD") return GedcomRefusal::NotGedcom;
    return file;
}

std::span<const GedcomLine> subordinates(const GedcomRecord& record, std::size_t index) {
    const auto& lines = record.lines;
    if (index >= lines.size()) return {};
    std::size_t end = index + 1;
    while (end < lines.size() && lines[end].level > lines[index].level) ++end;
    return std::span<const GedcomLine>(lines).subspan(index + 1, end - index - 1);
}

std::string firstValue(std::span<const GedcomLine> lines, int level, std::string_view tag) {
    for (const auto& line : lines) {
        if (line.level == level && line.tag == tag) return line.value;
    }
    return "";
}

}  // namespace brinox
