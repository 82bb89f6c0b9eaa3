#pragma once

// Reading a file that is meant to be small (the help file), guarded against
// what may stand in its place: a named pipe that would wait for a writer, a
// device without end, a file too large to show.

#include <cstddef>
#include <filesystem>
#include <string>
#include <variant>

namespace brinox {

enum class SmallFileRefusal {
    NotRegular,  // a folder, pipe, device or socket
    TooLarge,    // more bytes than the limit
    Unreadable,  // missing, no permission, or a read failed
};

// The whole content of the regular file at `path` when it holds at most
// `limit` bytes; otherwise why it was not read. Never waits on a pipe and
// never reads more than limit + 1 bytes, even when the file grows meanwhile.
std::variant<std::string, SmallFileRefusal> readSmallRegularFile(const std::filesystem::path& path,
                                                                  std::size_t limit);

}  // namespace brinox
