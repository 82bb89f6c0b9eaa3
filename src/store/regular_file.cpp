#include "store/regular_file.h"

#include <fcntl.h>

#include <cerrno>

#include "store/io_errors.h"

namespace brinox {
namespace {

// Reads until the end of the file or one byte past `limit`; answers 0 or errno.
int readUpTo(int fd, std::size_t limit, FileBytes& out, FileCalls& calls) {
    std::uint8_t chunk[1 << 16];
    for (;;) {
        const std::size_t wanted = std::min(sizeof chunk, limit + 1 - out.bytes.size());
        const ssize_t n = calls.read(fd, chunk, wanted);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        out.bytes.insert(out.bytes.end(), chunk, chunk + n);
        if (out.bytes.size() > limit) {
            out.bytes.resize(limit);
            out.beyondLimit = true;
            return 0;
        }
    }
}

}  // namespace

std::variant<FileBytes, ReadError> readRegularFile(const std::filesystem::path& path, std::size_t limit,
                                                   FileCalls& calls) {
    const int fd = calls.open(path, O_RDONLY | O_NONBLOCK);
    if (fd < 0) return ReadError{errno == ENOENT ? ReadProblem::Missing : ReadProblem::Failed, errno};
    struct stat status {};
    if (calls.fstat(fd, &status) != 0) {
        const int error = errno;
        calls.close(fd);
        return ReadError{ReadProblem::Failed, error};
    }
    if (!S_ISREG(status.st_mode)) {
        calls.close(fd);
        return ReadError{ReadProblem::NotAFile, 0};
    }
    FileBytes content;
    content.beyondLimit = static_cast<std::uintmax_t>(status.st_size) > limit;
    content.bytes.reserve(std::min<std::size_t>(limit, static_cast<std::size_t>(status.st_size)));
    const int error = readUpTo(fd, limit, content, calls);
    calls.close(fd);
    if (error != 0) return ReadError{ReadProblem::Failed, error};
    return content;
}

void reportReadError(Prompt& prompt, const ReadError& failure, const std::filesystem::path& file) {
    switch (failure.problem) {
        case ReadProblem::Missing: reportIoError(prompt, ENOENT, file); break;
        case ReadProblem::Failed: reportIoError(prompt, failure.error, file); break;
        case ReadProblem::NotAFile:
            prompt.message(MessageKind::Error, "Dit is geen gewoon bestand.\n" + pathForMessage(file), {Button::Ok});
            break;
    }
}

}  // namespace brinox
