#pragma once

namespace brinox {

// Opens the person selection window modally. The choice lands in the
// session's selection result (empty when nothing was chosen); callers set
// the reference person first where they want one. Windows that let the
// user pick a person take this, so tests can pick without a window.
class PersonPicker {
public:
    virtual ~PersonPicker() = default;
    virtual void pickPerson() = 0;
};

}  // namespace brinox
