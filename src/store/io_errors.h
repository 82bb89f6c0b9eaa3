#pragma once

#include <filesystem>
#include <string>

#include "store/prompt.h"

namespace brinox {

// A Dutch description of a system error number.
std::string systemErrorText(int error);

// The generic error report: an error box with the system's description of
// the error and the file it concerns.
void reportIoError(Prompt& prompt, int error, const std::filesystem::path& file);

// A path as a Windows-1252 text for a message; characters it cannot hold
// show as "?".
std::string pathForMessage(const std::filesystem::path& path);

}  // namespace brinox
