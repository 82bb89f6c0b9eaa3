#pragma once

// Two copies of the program on one family would each save over what the
// other saved. The copy that has a family open holds an advisory lock on a
// file in the family folder; the system drops it when the process ends, so
// a crash never leaves a stale lock behind.

#include <filesystem>
#include <memory>

namespace brinox {

class FamilyLock {
public:
    enum class Outcome {
        Taken,          // this process holds the lock now
        HeldElsewhere,  // another process holds it
        Unavailable,    // no lock file can be opened here (a read-only folder, say)
    };

    // Tries once, without waiting. The lock lasts as long as the answer's object.
    static std::pair<Outcome, std::shared_ptr<FamilyLock>> take(const std::filesystem::path& lockFile);

    explicit FamilyLock(int fd) : m_fd(fd) {}
    ~FamilyLock();
    FamilyLock(const FamilyLock&) = delete;
    FamilyLock& operator=(const FamilyLock&) = delete;

private:
    int m_fd;
};

}  // namespace brinox
