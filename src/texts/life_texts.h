#pragma once

// A person's life descriptions: up to twenty files "fam" + key + letter +
// ".doc", letters "A" to "T", in the family folder. What they hold is Rich
// Text Format, or plain text when they came from elsewhere.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "store/file_calls.h"
#include "store/prompt.h"
#include "store/record_no.h"
#include "store/regular_file.h"
#include "texts/rich_text.h"

namespace brinox {

inline constexpr int kLifeTextSlots = 20;  // letters A to T

// The person's texts as found on disk, one slot per letter. Files made
// elsewhere may leave gaps between the letters.
class LifeTextList {
public:
    LifeTextList() = default;
    LifeTextList(const std::filesystem::path& familyDirectory, RecordNo person);

    // The file of `letter` as named on disk; empty when there is none.
    const std::filesystem::path& file(char letter) const;
    // The existing files, letter A first.
    const std::vector<std::filesystem::path>& existing() const { return m_existing; }
    int count() const { return static_cast<int>(m_existing.size()); }
    // The first letter from "A" without a file, so that nothing existing is
    // overwritten; nothing when all twenty are taken.
    std::optional<char> firstFreeLetter() const;
    // The highest letter with a file, the only text that is ever removed.
    std::optional<char> lastLetter() const;
    // The letter of one of the files; nothing for any other path.
    std::optional<char> letterOf(const std::filesystem::path& file) const;

private:
    std::array<std::filesystem::path, kLifeTextSlots> m_slots;
    std::vector<std::filesystem::path> m_existing;
};

// The name the choice list shows for a text: the family code, a backslash
// and the file's name as on disk ("VDORKUM\fam007A.doc"). Only ever shown.
std::string lifeTextDisplayName(const std::string& familyCode, const std::filesystem::path& file);

struct LoadedText {
    RichText text;
    bool rich = false;  // read as Rich Text Format, else as plain text
};

// How a text file reads: as Rich Text Format when it starts as one does,
// else as plain text.
std::optional<LoadedText> readLifeText(std::span<const std::uint8_t> bytes);

// A file that cannot be read, or is above kRichTextFileLimit, answers the
// reason (a file too large as a read failure with EFBIG).
std::variant<LoadedText, ReadError> loadLifeText(const std::filesystem::path& file,
                                                 FileCalls& calls = systemFileCalls());

// The text of `file` for a window: after the generic error report an empty
// text when the file cannot be read.
RichText shownLifeText(const std::filesystem::path& file, Prompt& prompt, FileCalls& calls = systemFileCalls());

// Writes `text` as Rich Text Format over `file` without ever leaving it
// half written. Answers 0 or the errno of the call that failed.
[[nodiscard]] int saveLifeText(const std::filesystem::path& file, const RichText& text,
                               FileCalls& calls = systemFileCalls());

// Removes `file` and makes the removal durable. Answers 0 or errno.
[[nodiscard]] int removeLifeText(const std::filesystem::path& file, FileCalls& calls = systemFileCalls());

}  // namespace brinox
