#include "store/safe_save.h"

#include <fcntl.h>

#include <cerrno>
#include <system_error>

namespace brinox {
namespace {

bool isPresent(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// Writes and flushes a whole file; answers 0 or errno.
int writeAndSync(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, FileCalls& calls) {
    const int fd = calls.open(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) return errno;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            calls.close(fd);
            return error;
        }
        done += static_cast<std::size_t>(n);
    }
    if (calls.fsync(fd) != 0) {
        const int error = errno;
        calls.close(fd);
        return error;
    }
    return calls.close(fd) == 0 ? 0 : errno;
}

void removeQuietly(const std::filesystem::path& path, FileCalls& calls) {
    if (isPresent(path)) calls.unlink(path);
}

}  // namespace

std::filesystem::path pendingName(const std::filesystem::path& target) {
    auto name = target;
    name += ".new";
    return name;
}

int writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes, FileCalls& calls) {
    const auto pending = pendingName(target);
    int error = writeAndSync(pending, bytes, calls);
    if (error == 0 && calls.rename(pending, target) != 0) error = errno;
    if (error != 0) {
        removeQuietly(pending, calls);
        return error;
    }
    return calls.syncDirectory(target.parent_path()) == 0 ? 0 : errno;
}

std::optional<PairSaveFailure> replaceFilePair(const FilePair& files, std::span<const std::uint8_t> firstBytes,
                                               std::span<const std::uint8_t> secondBytes, FileCalls& calls) {
    if (const int error = finishInterruptedSave(files, calls)) return PairSaveFailure{PairStage::Commit, error};

    const auto firstPending = pendingName(files.first);
    const auto secondPending = pendingName(files.second);
    auto abandon = [&](PairStage stage, int error) {
        removeQuietly(files.marker, calls);
        removeQuietly(firstPending, calls);
        removeQuietly(secondPending, calls);
        return PairSaveFailure{stage, error};
    };

    if (const int error = writeAndSync(firstPending, firstBytes, calls)) return abandon(PairStage::First, error);
    if (const int error = writeAndSync(secondPending, secondBytes, calls)) return abandon(PairStage::Second, error);
    const std::span<const std::uint8_t> nothing;
    if (const int error = writeAndSync(files.marker, nothing, calls)) return abandon(PairStage::Commit, error);
    if (calls.syncDirectory(files.marker.parent_path()) != 0) return abandon(PairStage::Commit, errno);

    // Committed: from here on the new pair is what the family holds. Should
    // moving it into place fail now, the next finishInterruptedSave (every
    // load and every save starts with one) completes it, so the save stands.
    (void)finishInterruptedSave(files, calls);
    return std::nullopt;
}

int finishInterruptedSave(const FilePair& files, FileCalls& calls) {
    const auto directory = files.marker.parent_path();
    const auto firstPending = pendingName(files.first);
    const auto secondPending = pendingName(files.second);
    if (!isPresent(files.marker)) {
        // Never committed: the old pair is whole; drop what was half written.
        if (isPresent(firstPending) && calls.unlink(firstPending) != 0) return errno;
        if (isPresent(secondPending) && calls.unlink(secondPending) != 0) return errno;
        return 0;
    }
    if (isPresent(firstPending) && calls.rename(firstPending, files.first) != 0) return errno;
    if (isPresent(secondPending) && calls.rename(secondPending, files.second) != 0) return errno;
    if (calls.syncDirectory(directory) != 0) return errno;
    if (calls.unlink(files.marker) != 0) return errno;
    return calls.syncDirectory(directory) == 0 ? 0 : errno;
}

}  // namespace brinox
