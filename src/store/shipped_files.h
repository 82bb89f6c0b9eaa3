#pragma once

// The files that come with the program and live in the data folder beside
// the families: the help, the world history, the album's placeholder
// picture and the About window's sound. An installed program keeps its own
// copies in share/brinox and puts each one in the data folder that lacks it;
// from then on every file is read from the data folder only.

#include <array>
#include <filesystem>

namespace brinox {

inline constexpr std::array<const char*, 4> kShippedFiles = {"FAMHELP.HLP", "history.doc", "blanco.jpg", "qlm.wav"};

// Where an installed program keeps them: share/brinox beside its bin folder.
std::filesystem::path installedShareFolder(const std::filesystem::path& programFolder);

// Copies each shipped file of `shareFolder` that `dataDirectory` has in no
// letter case; a file the user has is never replaced. Quietly does nothing
// for what cannot be copied: the program runs without these files too.
void placeMissingShippedFiles(const std::filesystem::path& shareFolder, const std::filesystem::path& dataDirectory);

}  // namespace brinox
