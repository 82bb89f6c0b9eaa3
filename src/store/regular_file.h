#pragma once

// Reading a file the program did not write itself: it may be anything a
// folder can hold (a pipe, a device, a link to /dev/zero, gigabytes), so
// only regular files are read, and never more than their format can hold.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "store/file_calls.h"
#include "store/prompt.h"

namespace brinox {

enum class ReadProblem {
    Missing,   // there is no such file
    Failed,    // it exists but could not be opened or read; see `error`
    NotAFile,  // a folder, pipe, device or socket
};

struct ReadError {
    ReadProblem problem = ReadProblem::Failed;
    int error = 0;  // errno, for Failed
};

struct FileBytes {
    std::vector<std::uint8_t> bytes;  // at most the limit
    bool beyondLimit = false;         // the file holds more than the limit
};

// Reads at most `limit` bytes of the regular file `path` (links followed).
// Opening never waits: a named pipe is refused, not read.
std::variant<FileBytes, ReadError> readRegularFile(const std::filesystem::path& path, std::size_t limit,
                                                   FileCalls& calls = systemFileCalls());

// The generic error report for a file that could not be read.
void reportReadError(Prompt& prompt, const ReadError& failure, const std::filesystem::path& file);

}  // namespace brinox
