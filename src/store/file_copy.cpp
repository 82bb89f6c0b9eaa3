#include "store/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <system_error>
#include <vector>

#include "store/safe_save.h"

namespace brinox {
namespace {

constexpr std::size_t kBlockSize = std::size_t{64} << 10;

bool isPresent(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// A block written short means the disk is full, whatever write() says.
int writeBlock(int fd, const std::uint8_t* data, std::size_t size, FileCalls& calls) {
    for (;;) {
        const ssize_t n = calls.write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        return static_cast<std::size_t>(n) == size ? 0 : ENOSPC;
    }
}

int copyContent(int in, int out, FileCalls& calls) {
    std::vector<std::uint8_t> block(kBlockSize);
    for (;;) {
        const ssize_t n = calls.read(in, block.data(), block.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        if (const int error = writeBlock(out, block.data(), static_cast<std::size_t>(n), calls)) return error;
    }
}

std::optional<CopyFailure> copyOpened(int in, const std::filesystem::path& target, FileCalls& calls) {
    struct stat status {};
    if (calls.fstat(in, &status) != 0) return CopyFailure{CopyStep::Open, errno};
    if (!S_ISREG(status.st_mode)) return CopyFailure{CopyStep::Open, EINVAL};
    const int out = calls.open(target, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
    if (out < 0) return CopyFailure{CopyStep::Open, errno};
    int error = copyContent(in, out, calls);
    if (error == 0 && calls.fsync(out) != 0) error = errno;
    if (calls.close(out) != 0 && error == 0) error = errno;
    if (error != 0) return CopyFailure{CopyStep::Copy, error};
    return std::nullopt;
}

// Gives the finished copy its name, never over a file that has it.
int nameWithoutReplacing(const std::filesystem::path& temporary, const std::filesystem::path& target,
                         FileCalls& calls) {
    if (calls.link(temporary, target) == 0) {
        if (calls.unlink(temporary) == 0) return 0;
        const int error = errno;
        calls.unlink(target);
        return error;
    }
    if (!linksImpossible(errno)) return errno;
    if (isPresent(target)) return EEXIST;
    return calls.rename(temporary, target) == 0 ? 0 : errno;
}

}  // namespace

bool linksImpossible(int error) { return error == EPERM || error == EOPNOTSUPP || error == ENOSYS; }

int copyToNewFile(const std::filesystem::path& source, const std::filesystem::path& target, FileCalls& calls) {
    // Opening a pipe must not wait for a writer.
    const int in = calls.open(source, O_RDONLY | O_NONBLOCK);
    if (in < 0) return errno;
    const auto failure = copyOpened(in, target, calls);
    calls.close(in);
    return failure ? failure->error : 0;
}

int copyIntoPlace(const std::filesystem::path& source, const std::filesystem::path& target, FileCalls& calls) {
    const auto temporary = pendingName(target);
    // Left by a copy that was cut short.
    if (isPresent(temporary)) calls.unlink(temporary);
    int error = copyToNewFile(source, temporary, calls);
    if (error == 0) error = nameWithoutReplacing(temporary, target, calls);
    if (error != 0) {
        if (isPresent(temporary)) calls.unlink(temporary);
        return error;
    }
    if (calls.syncDirectory(target.parent_path()) == 0) return 0;
    // Not known to last: reported as failed, so not kept either.
    error = errno;
    calls.unlink(target);
    return error;
}

std::optional<CopyFailure> copyOver(const std::filesystem::path& source, const std::filesystem::path& target,
                                    FileCalls& calls) {
    // The source is opened first: it may be the temporary file a cut-short
    // copy left, which is removed below.
    const int in = calls.open(source, O_RDONLY | O_NONBLOCK);
    if (in < 0) return CopyFailure{CopyStep::Open, errno};
    const auto temporary = pendingName(target);
    if (isPresent(temporary)) calls.unlink(temporary);
    auto failure = copyOpened(in, temporary, calls);
    calls.close(in);
    if (!failure && calls.rename(temporary, target) != 0) failure = CopyFailure{CopyStep::Copy, errno};
    if (failure) {
        if (isPresent(temporary)) calls.unlink(temporary);
        return failure;
    }
    // The new file is in place but not known to last: said so, as a failure.
    if (calls.syncDirectory(target.parent_path()) != 0) return CopyFailure{CopyStep::Copy, errno};
    return std::nullopt;
}

}  // namespace brinox
