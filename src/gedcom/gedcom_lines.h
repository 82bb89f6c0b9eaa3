#pragma once

// GEDCOM lines as other genealogy programs exchange them: a level, an
// optional cross-reference, a tag and a value, one per line, UTF-8.

#include <string>
#include <string_view>

namespace brinox {

// Longest line we write, level and tag included; a longer value goes on
// in CONC lines, a line break in it starts a CONT line.
inline constexpr std::size_t kGedcomLineLimit = 255;

class GedcomWriter {
public:
    // "0 @xref@ TAG" or "0 TAG value" starting a record.
    void record(std::string_view xref, std::string_view tag, std::string_view value = {});
    // A line at `level` below the current record; `value` may be long and
    // hold line breaks.
    void line(int level, std::string_view tag, std::string_view value = {});

    const std::string& text() const { return m_text; }

private:
    void single(int level, std::string_view head, std::string_view value);
    void continued(int level, std::string_view head, std::string_view value);

    std::string m_text;
};

// A cross-reference "@" + letter + number + "@".
std::string gedcomXref(char letter, int number);

}  // namespace brinox
