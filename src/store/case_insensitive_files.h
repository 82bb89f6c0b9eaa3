#pragma once

// Family folders often come from systems that ignore letter case, so every
// lookup of a file by name ignores it too.

#include <filesystem>
#include <optional>
#include <string_view>

namespace brinox {

// The entry of `directory` named `name` in any letter case: the exact name
// when it exists, else the first case variant found; empty when none.
std::optional<std::filesystem::path> findIgnoringCase(const std::filesystem::path& directory, std::string_view name);

// `name` inside `directory`, spelled as an existing entry when there is one
// in another letter case, else as given.
std::filesystem::path resolveIgnoringCase(const std::filesystem::path& directory, std::string_view name);

// Whether `name` matches `pattern` ("*" any run, "?" one character), ignoring
// case as equalsIgnoringCase does; both are UTF-8.
bool matchesPattern(std::string_view pattern, std::string_view name);

// The number of regular files in `directory` matching `pattern`; 0 when it
// cannot be listed.
int countMatching(const std::filesystem::path& directory, std::string_view pattern);

}  // namespace brinox
