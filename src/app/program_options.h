#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace brinox {

struct ProgramOptions {
    // The current directory, unless --data names another or --user-data
    // asks for the user's own folder (created when missing).
    std::filesystem::path dataDirectory;
    bool quitAfterFirstPaint = false;      // for start-up measurements
};

// Reads --data DIR, --user-data and --quit-after-first-paint; answers an
// error text for anything else.
// $XDG_DATA_HOME/brinox, or ~/.local/share/brinox: where a program started
// from the desktop keeps its families.
std::filesystem::path userDataFolder();

std::optional<ProgramOptions> parseProgramOptions(const std::vector<std::string>& arguments, std::string& error);

}  // namespace brinox
