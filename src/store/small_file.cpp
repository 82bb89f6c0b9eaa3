#include "store/small_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace brinox {
namespace {

// Closes the descriptor when the read is over, whichever way it ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Up to `most` bytes from fd, fewer when it ends first.
std::variant<std::string, SmallFileRefusal> readAtMost(int fd, std::size_t most) {
    std::string bytes;
    char buffer[64 * 1024];
    while (bytes.size() < most) {
        const std::size_t wanted = std::min(sizeof buffer, most - bytes.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return SmallFileRefusal::Unreadable;
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

}  // namespace

std::variant<std::string, SmallFileRefusal> readSmallRegularFile(const std::filesystem::path& path,
                                                                  std::size_t limit) {
    // Looked at before opening, so that no device is ever opened; looked at
    // again once open, in case the name was given to something else between.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return SmallFileRefusal::Unreadable;
    if (!S_ISREG(status.st_mode)) return SmallFileRefusal::NotRegular;
    // Without O_NONBLOCK a pipe put there in the meantime would wait for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return SmallFileRefusal::Unreadable;
    if (::fstat(file.get(), &status) != 0) return SmallFileRefusal::Unreadable;
    if (!S_ISREG(status.st_mode)) return SmallFileRefusal::NotRegular;
    if (static_cast<std::uintmax_t>(status.st_size) > limit) return SmallFileRefusal::TooLarge;
    auto content = readAtMost(file.get(), limit + 1);
    if (const auto* bytes = std::get_if<std::string>(&content); bytes && bytes->size() > limit) {
        return SmallFileRefusal::TooLarge;
    }
    return content;
}

}  // namespace brinox
