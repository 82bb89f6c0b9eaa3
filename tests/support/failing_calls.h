#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "store/file_calls.h"

namespace brinox::testing {

// Fails every call of one kind after the first `skip` of them, as a full
// disk, a read error or a folder we may not write in would.
class FailingCall : public FileCalls {
public:
    FailingCall(FileCall call, int error, int skip = 0) : m_call(call), m_error(error), m_skip(skip) {}

private:
    int before(FileCall call) override { return call == m_call && m_skip-- <= 0 ? m_error : 0; }

    FileCall m_call;
    int m_error;
    int m_skip;
};

// Stores at most `most` bytes per write, as a disk that is filling up does.
class ShortWrites : public FileCalls {
public:
    explicit ShortWrites(std::size_t most) : m_most(most) {}
    ssize_t write(int fd, const void* data, std::size_t size) override {
        return FileCalls::write(fd, data, std::min(size, m_most));
    }

private:
    std::size_t m_most;
};

inline constexpr int kStopped = 77;  // exit status of a child stopped on purpose

// Acts at file call number `at`. Without an error it ends the process right
// before that call, as a crash at that moment would: nothing after it
// happens, nothing is cleaned up. With one it fails that call, as a disk that
// fills up at that moment would. Every other call goes through.
class TroubleAtCall : public FileCalls {
public:
    explicit TroubleAtCall(int at, int error = 0) : m_at(at), m_error(error) {}
    bool reached() const { return m_calls >= m_at; }

protected:
    int before(FileCall) override {
        if (++m_calls != m_at) return 0;
        if (m_error == 0) ::_exit(kStopped);
        return m_error;
    }

private:
    int m_at, m_error, m_calls = 0;
};

// Runs `work` in a child process; answers its exit status, or minus the
// signal that ended it.
inline int inChild(const std::function<int()>& work) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(work());
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

}  // namespace brinox::testing
