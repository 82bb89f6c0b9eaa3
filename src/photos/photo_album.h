#pragma once

// The photo album: every photo of the family as a thumbnail, twenty to a
// page in the order of their names, which is the order of the persons and
// then of the photo letters. What the album window and the command-line
// companion show, without a window.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

inline constexpr int kAlbumCells = 20;
inline constexpr int kAlbumCapacity = 800;
inline constexpr int kAlbumThumbnailWidth = 115;
inline constexpr int kAlbumThumbnailHeight = 77;

struct AlbumEntry {
    // The file as it is spelled on disk: what is loaded and shown.
    std::filesystem::path file;
    // The name as the album shows it and sorts it: Windows-1252, lower case,
    // at most 20 characters.
    std::string name;
};

// The regular files of `familyDirectory` named "fam*.jpg" in any letter case,
// ascending by their shown names (a name that is a prefix of another first),
// at most the first 800. Empty when the directory cannot be listed.
std::vector<AlbumEntry> listAlbum(const std::filesystem::path& familyDirectory);

// The number in characters 4 to 6 of a shown name ("fam012b.jpg" gives 12);
// empty when they are no number.
std::optional<int> albumPersonNumber(std::string_view name);

// "blanco.jpg" in the data directory, in any letter case; empty when missing.
std::filesystem::path placeholderPicture(const std::filesystem::path& dataDirectory);

struct AlbumCell {
    int entry = 0;               // 1-based; 0 for a placeholder
    std::string name;            // the name panel; empty for a placeholder
    std::filesystem::path file;  // the photo, the placeholder picture, or empty
};
using AlbumPage = std::array<AlbumCell, kAlbumCells>;

// The cells of the page whose first cell shows entry offset + 1.
AlbumPage albumPage(const std::vector<AlbumEntry>& entries, int offset, const std::filesystem::path& placeholder);

// Paging: forward while the page still starts within the album (so it stops
// on the first page of placeholders only), back never below 0.
int nextPageOffset(int offset, int count);
int previousPageOffset(int offset);
inline bool pageDownEnabled(int offset) { return offset > 0; }
inline bool pageUpEnabled(int offset, int count) { return offset < count; }

struct QuickPageChoice {
    int offset = 0;
    // What the edit field shows instead of what was typed, when the number
    // was out of range.
    std::optional<std::string> edit;
};

// The page starting with the first photo of a person numbered at least the
// typed number, raised to 1 and lowered to `personCount`; the end of the
// album when none is. Empty when `typed` is not digits only.
std::optional<QuickPageChoice> quickPageChoice(std::string_view typed, const std::vector<AlbumEntry>& entries,
                                               int personCount);

// "Fotoalbum van de familie VAN DORKUM   aantal plaatjes 3", whatever the family.
std::string albumCaption(int count);

// A left click on a cell: asks whether to go back to the pedigree with the
// photo's person and makes that person the selected person on Yes. Answers
// whether it did; a placeholder, or a photo of no person of the family,
// asks nothing.
bool selectFromAlbum(Session& session, Prompt& prompt, const AlbumCell& cell);

}  // namespace brinox
