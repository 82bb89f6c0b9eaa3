#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace brinox {

struct ProgramOptions {
    std::filesystem::path dataDirectory;  // the current directory unless --data is given
    bool quitAfterFirstPaint = false;      // for start-up measurements
};

// Reads --data DIR and --quit-after-first-paint; answers an error text for
// anything else.
std::optional<ProgramOptions> parseProgramOptions(const std::vector<std::string>& arguments, std::string& error);

}  // namespace brinox
