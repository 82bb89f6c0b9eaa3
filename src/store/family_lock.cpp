#include "store/family_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace brinox {
namespace {

// A lock file that is a regular file; -1 when there is none to be had.
int openLockFile(const std::filesystem::path& path) {
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
    // A folder we may not write in can still hold a lock file to lock.
    if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | kFlags);
    if (fd < 0) return -1;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::pair<FamilyLock::Outcome, std::shared_ptr<FamilyLock>> FamilyLock::take(const std::filesystem::path& lockFile) {
    const int fd = openLockFile(lockFile);
    if (fd < 0) return {Outcome::Unavailable, nullptr};
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) return {Outcome::Taken, std::make_shared<FamilyLock>(fd)};
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return {busy ? Outcome::HeldElsewhere : Outcome::Unavailable, nullptr};
}

FamilyLock::~FamilyLock() { ::close(m_fd); }

}  // namespace brinox
