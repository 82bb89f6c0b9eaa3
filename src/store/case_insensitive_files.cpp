#include "store/case_insensitive_files.h"

#include <system_error>

#include "store/ansi_text.h"

namespace brinox {
namespace {

// Both texts already folded to one case, so characters compare as bytes.
bool matchesFolded(std::string_view pattern, std::string_view name) {
    // Iterative wildcard match remembering the last "*" to retry from.
    size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

std::optional<std::filesystem::path> findIgnoringCase(const std::filesystem::path& directory, std::string_view name) {
    std::error_code ec;
    const auto exact = directory / name;
    if (std::filesystem::exists(exact, ec)) return exact;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalsIgnoringCase(it->path().filename().string(), name)) return it->path();
    }
    return std::nullopt;
}

std::filesystem::path resolveIgnoringCase(const std::filesystem::path& directory, std::string_view name) {
    return findIgnoringCase(directory, name).value_or(directory / name);
}

bool matchesPattern(std::string_view pattern, std::string_view name) {
    // In Windows-1252 every character is one byte, so "?" matches an "é" too.
    if (const auto folded = foldedAsAnsi(pattern, name)) return matchesFolded(folded->first, folded->second);
    return matchesFolded(asciiUpper(pattern), asciiUpper(name));
}

int countMatching(const std::filesystem::path& directory, std::string_view pattern) {
    std::error_code ec;
    int count = 0;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && matchesPattern(pattern, it->path().filename().string())) ++count;
    }
    return count;
}

}  // namespace brinox
