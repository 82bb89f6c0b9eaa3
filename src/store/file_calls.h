#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <filesystem>

namespace brinox {

enum class FileCall { Open, Read, Status, Write, Chmod, Sync, Close, Rename, Unlink, SyncDirectory, Link };

// The few system calls with which family files are read and written safely.
// Each returns what the POSIX call returns, with errno set on failure. Tests
// derive from it to fail any call or to stop the process right before it,
// or to shorten a write as a full disk does.
class FileCalls {
public:
    virtual ~FileCalls() = default;

    int open(const std::filesystem::path& path, int flags, mode_t mode = 0644);
    ssize_t read(int fd, void* data, std::size_t size);
    int fstat(int fd, struct stat* status);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    int fchmod(int fd, mode_t mode);
    int fsync(int fd);
    int close(int fd);
    int rename(const std::filesystem::path& from, const std::filesystem::path& to);
    int unlink(const std::filesystem::path& path);
    // A second name for a file; fails with EEXIST rather than replace `to`.
    int link(const std::filesystem::path& from, const std::filesystem::path& to);
    // Makes the names in a directory durable after a rename or unlink.
    int syncDirectory(const std::filesystem::path& directory);

protected:
    // Asked before every call: an errno value makes the call fail with it
    // without being made; 0 lets it through.
    virtual int before(FileCall) { return 0; }
};

FileCalls& systemFileCalls();

}  // namespace brinox
