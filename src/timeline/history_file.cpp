#include "timeline/history_file.h"

#include <algorithm>

#include "store/case_insensitive_files.h"

namespace brinox {

std::vector<std::string> historyLines(std::span<const std::uint8_t> bytes) {
    std::vector<std::string> lines;
    const auto* at = bytes.data();
    const auto* end = at + bytes.size();
    while (at != end && lines.size() < kHistoryMaxLines) {
        const auto* lineEnd = std::find(at, end, std::uint8_t{'\n'});
        const auto* textEnd = lineEnd;
        if (lineEnd != end && textEnd != at && textEnd[-1] == '\r') --textEnd;
        const auto width = std::min<std::size_t>(static_cast<std::size_t>(textEnd - at), kHistoryLineWidth);
        lines.emplace_back(reinterpret_cast<const char*>(at), width);
        at = lineEnd == end ? end : lineEnd + 1;
    }
    return lines;
}

std::variant<std::vector<std::string>, ReadError> readHistoryFile(const std::filesystem::path& dataDirectory,
                                                                  FileCalls& calls) {
    const auto path = resolveIgnoringCase(dataDirectory, kHistoryFileName);
    auto read = readRegularFile(path, kHistoryMaxBytes, calls);
    if (const auto* failure = std::get_if<ReadError>(&read)) return *failure;
    return historyLines(std::get<FileBytes>(read).bytes);
}

}  // namespace brinox
