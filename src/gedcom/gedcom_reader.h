#pragma once

// Reading a GEDCOM file as other programs write it: UTF-8 with or without a
// byte order mark, UTF-16, or Windows-1252, lines ended by CR, LF or both,
// long values continued in CONC and CONT lines. The file may be damaged or
// hostile: reading is linear in its size and bounded in memory.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace brinox {

// No family of 600 persons comes near: larger files are refused.
inline constexpr std::size_t kGedcomFileLimit = 32 * 1024 * 1024;
inline constexpr std::size_t kGedcomLineCountLimit = 2'000'000;

// One line below a record, its CONC and CONT lines joined into its value
// (CONT as a line feed). Values are UTF-8 with "@@" made "@".
struct GedcomLine {
    int level = 1;
    std::string tag;  // upper case
    std::string value;
};

struct GedcomRecord {
    std::string xref;  // "@I1@", or empty
    std::string tag;
    std::string value;
    std::vector<GedcomLine> lines;
};

struct GedcomFile {
    std::vector<GedcomRecord> records;
    int unreadableLines = 0;  // lines that are no GEDCOM line at all
};

enum class GedcomRefusal { TooLarge, Ansel, NotGedcom };

std::variant<GedcomFile, GedcomRefusal> readGedcom(std::span<const std::uint8_t> bytes);

// The lines of `record` that belong to its line `index`: those after it
// with a deeper level, up to the next line at its level or above.
std::span<const GedcomLine> subordinates(const GedcomRecord& record, std::size_t index);

// The value of the first line tagged `tag` among `lines` at `level`.
std::string firstValue(std::span<const GedcomLine> lines, int level, std::string_view tag);

}  // namespace brinox
