#include "store/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <system_error>

namespace brinox {
namespace {

bool isPresent(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// The permissions a new file takes over from the file it replaces.
std::optional<mode_t> modeOf(const std::filesystem::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) return std::nullopt;
    return status.st_mode & 07777;
}

// Writes and flushes a new file; answers 0 or errno. The file must not
// exist yet, so nothing already there (a link, another name of an existing
// file) is ever written through.
int writeAndSync(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, std::optional<mode_t> mode,
                 FileCalls& calls) {
    const int fd = calls.open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
    if (fd < 0) return errno;
    auto fail = [&](int error) {
        calls.close(fd);
        return error;
    };
    if (mode && calls.fchmod(fd, *mode) != 0) return fail(errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (calls.fsync(fd) != 0) return fail(errno);
    return calls.close(fd) == 0 ? 0 : errno;
}

void removeQuietly(const std::filesystem::path& path, FileCalls& calls) {
    if (isPresent(path)) calls.unlink(path);
}

// Makes the renames and removals in every folder of the pair durable.
int syncFolders(const FilePair& files, FileCalls& calls) {
    const std::set<std::filesystem::path> folders{files.first.parent_path(), files.second.parent_path(),
                                                  files.marker.parent_path()};
    for (const auto& folder : folders) {
        if (calls.syncDirectory(folder) != 0) return errno;
    }
    return 0;
}

struct InstallFailure {
    int error;
    std::filesystem::path file;
    bool moved;  // one of the two files was already in place
};

// Moves a committed pair into place and removes the marker.
std::optional<InstallFailure> installCommitted(const FilePair& files, FileCalls& calls) {
    bool moved = false;
    for (const auto* target : {&files.first, &files.second}) {
        const auto pending = pendingName(*target);
        if (!isPresent(pending)) continue;
        if (calls.rename(pending, *target) != 0) return InstallFailure{errno, *target, moved};
        moved = true;
    }
    if (const int error = syncFolders(files, calls)) return InstallFailure{error, files.first, true};
    if (calls.unlink(files.marker) != 0) return InstallFailure{errno, files.marker, true};
    if (calls.syncDirectory(files.marker.parent_path()) != 0) return InstallFailure{errno, files.marker, true};
    return std::nullopt;
}

// Takes a commit back when nothing of it was moved into place: without the
// marker the old pair is the family again. Answers whether that worked.
bool takeBackCommit(const FilePair& files, FileCalls& calls) {
    if (calls.unlink(files.marker) != 0) return false;
    removeQuietly(pendingName(files.first), calls);
    removeQuietly(pendingName(files.second), calls);
    return calls.syncDirectory(files.marker.parent_path()) == 0;
}

}  // namespace

std::filesystem::path linkTarget(std::filesystem::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return path;
        const auto target = std::filesystem::read_symlink(path, ec);
        if (ec) return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

Blocker replaceBlocker(const std::filesystem::path& target) {
    struct stat file {};
    if (::stat(target.c_str(), &file) != 0) return Blocker::None;
    // The write bits as well as access(): the super-user may write anything,
    // but a file set read-only is still meant to stay as it is.
    if ((file.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return Blocker::ReadOnly;
    struct stat folder {};
    const uid_t me = ::geteuid();
    if (::stat(target.parent_path().c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) && me != 0 &&
        file.st_uid != me && folder.st_uid != me) {
        return Blocker::NoAccess;
    }
    return Blocker::None;
}

std::filesystem::path pendingName(const std::filesystem::path& target) {
    auto name = target;
    name += ".new";
    return name;
}

int writePendingFile(const std::filesystem::path& target, const std::filesystem::path& pending,
                     std::span<const std::uint8_t> bytes, FileCalls& calls) {
    return writeAndSync(pending, bytes, modeOf(target), calls);
}

bool saveIsPending(const FilePair& files) { return isPresent(files.marker); }

int writeFileAtomically(const std::filesystem::path& link, std::span<const std::uint8_t> bytes, FileCalls& calls) {
    const auto target = linkTarget(link);
    if (replaceBlocker(target) != Blocker::None) return EACCES;
    const auto pending = pendingName(target);
    removeQuietly(pending, calls);
    int error = writeAndSync(pending, bytes, modeOf(target), calls);
    if (error == 0 && calls.rename(pending, target) != 0) error = errno;
    if (error != 0) {
        removeQuietly(pending, calls);
        return error;
    }
    return calls.syncDirectory(target.parent_path()) == 0 ? 0 : errno;
}

std::optional<PairSaveFailure> replaceFilePair(const FilePair& files, std::span<const std::uint8_t> firstBytes,
                                               std::span<const std::uint8_t> secondBytes, FileCalls& calls) {
    if (const int error = finishInterruptedSave(files, calls)) {
        return PairSaveFailure{PairStage::Commit, error, files.first, saveIsPending(files)};
    }
    auto abandon = [&](PairStage stage, int error, const std::filesystem::path& file) {
        removeQuietly(files.marker, calls);
        removeQuietly(pendingName(files.first), calls);
        removeQuietly(pendingName(files.second), calls);
        return PairSaveFailure{stage, error, file};
    };

    const std::span<const std::uint8_t> nothing;
    if (const int error = writeAndSync(pendingName(files.first), firstBytes, modeOf(files.first), calls)) {
        return abandon(PairStage::First, error, files.first);
    }
    if (const int error = writeAndSync(pendingName(files.second), secondBytes, modeOf(files.second), calls)) {
        return abandon(PairStage::Second, error, files.second);
    }
    if (const int error = writeAndSync(files.marker, nothing, std::nullopt, calls)) {
        return abandon(PairStage::Commit, error, files.first);
    }
    if (calls.syncDirectory(files.marker.parent_path()) != 0) return abandon(PairStage::Commit, errno, files.first);

    // Committed: from here on the new pair is what the family holds, unless
    // it can still be taken back whole.
    if (const auto failure = installCommitted(files, calls)) {
        const bool committed = failure->moved || !takeBackCommit(files, calls);
        return PairSaveFailure{PairStage::Install, failure->error, failure->file, committed};
    }
    return std::nullopt;
}

int finishInterruptedSave(const FilePair& files, FileCalls& calls) {
    if (!saveIsPending(files)) {
        // Never committed: the old pair is whole; drop what was half written.
        for (const auto* target : {&files.first, &files.second}) {
            const auto pending = pendingName(*target);
            if (isPresent(pending) && calls.unlink(pending) != 0) return errno;
        }
        return 0;
    }
    const auto failure = installCommitted(files, calls);
    return failure ? failure->error : 0;
}

}  // namespace brinox
