#include "store/file_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace brinox {
namespace {

template <typename Call>
auto guarded(int refusal, Call call) -> decltype(call()) {
    if (refusal != 0) {
        errno = refusal;
        return -1;
    }
    return call();
}

}  // namespace

int FileCalls::open(const std::filesystem::path& path, int flags, mode_t mode) {
    return guarded(before(FileCall::Open), [&] { return ::open(path.c_str(), flags | O_CLOEXEC, mode); });
}

ssize_t FileCalls::read(int fd, void* data, std::size_t size) {
    return guarded(before(FileCall::Read), [&] { return ::read(fd, data, size); });
}

int FileCalls::fstat(int fd, struct stat* status) {
    return guarded(before(FileCall::Status), [&] { return ::fstat(fd, status); });
}

int FileCalls::fchmod(int fd, mode_t mode) {
    return guarded(before(FileCall::Chmod), [&] { return ::fchmod(fd, mode); });
}

ssize_t FileCalls::write(int fd, const void* data, std::size_t size) {
    return guarded(before(FileCall::Write), [&] { return ::write(fd, data, size); });
}

int FileCalls::fsync(int fd) {
    return guarded(before(FileCall::Sync), [&] { return ::fsync(fd); });
}

int FileCalls::close(int fd) {
    const int refusal = before(FileCall::Close);
    // The descriptor is released even when the call is refused, so a failed
    // save never leaks it.
    if (refusal != 0) {
        ::close(fd);
        errno = refusal;
        return -1;
    }
    return ::close(fd);
}

int FileCalls::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return guarded(before(FileCall::Rename), [&] { return ::rename(from.c_str(), to.c_str()); });
}

int FileCalls::unlink(const std::filesystem::path& path) {
    return guarded(before(FileCall::Unlink), [&] { return ::unlink(path.c_str()); });
}

int FileCalls::link(const std::filesystem::path& from, const std::filesystem::path& to) {
    return guarded(before(FileCall::Link), [&] { return ::link(from.c_str(), to.c_str()); });
}

int FileCalls::syncDirectory(const std::filesystem::path& directory) {
    return guarded(before(FileCall::SyncDirectory), [&] {
        const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return -1;
        const int result = ::fsync(fd);
        const int error = errno;
        ::close(fd);
        errno = error;
        return result;
    });
}

FileCalls& systemFileCalls() {
    static FileCalls calls;
    return calls;
}

}  // namespace brinox
