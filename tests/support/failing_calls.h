#pragma once

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

}  // namespace brinox::testing
