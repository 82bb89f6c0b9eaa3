// The history file is any text a user put in the data folder. Whatever it
// holds, the window gets at most 64,236 lines of at most 100 bytes, each the
// start of its own line of the file. A tiled input stops at the 16 MiB the
// reader hands over, in a buffer of exactly that size, so a look past it is
// caught as a read out of bounds.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "timeline/history_file.h"

namespace {

using namespace brinox;
using fuzzing::require;

bool startsWith(const std::uint8_t* at, const std::string& line) {
    return std::equal(line.begin(), line.end(), at,
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzing::InputFile file(data, size, kHistoryMaxBytes);
    const auto bytes = file.bytes();
    const auto lines = historyLines(bytes);
    require(lines.size() <= kHistoryMaxLines, "at most 64,236 lines");

    // Walk the file's own lines alongside the lines shown.
    const auto* at = bytes.data();
    const auto* end = bytes.data() + bytes.size();
    for (const auto& line : lines) {
        require(at != end, "no line is made up past the end");
        require(line.size() <= kHistoryLineWidth && line.size() <= static_cast<std::size_t>(end - at),
                "a line is at most 100 bytes");
        require(line.find('\n') == std::string::npos, "no line holds a line feed");
        require(startsWith(at, line), "a line is the start of its line in the file");
        const auto* after = at + line.size();
        const bool lineEnds =
            after == end || *after == '\n' || (*after == '\r' && after + 1 != end && after[1] == '\n');
        require(lineEnds || line.size() == kHistoryLineWidth, "a line is cut only at 100 bytes");
        require(line.empty() || line.back() != '\r' || after == end || *after != '\n', "the CR of a CRLF is dropped");
        const auto* lineFeed = std::find(after, end, std::uint8_t{'\n'});
        at = lineFeed == end ? end : lineFeed + 1;
    }
    require(at == end || lines.size() == kHistoryMaxLines, "every line is read up to the limit");
    return 0;
}
