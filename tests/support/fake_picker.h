#pragma once

#include <deque>
#include <string>
#include <vector>

#include "selection/person_picker.h"
#include "store/session.h"

namespace brinox::testing {

// Stands in for the selection window: hands back the prepared choices in
// turn, and nothing, as Cancel does, when none is left. Remembers the
// reference person it was given at every call.
class FakePicker : public PersonPicker {
public:
    explicit FakePicker(Session& session) : m_session(session) {}

    void pickPerson() override {
        references.push_back(m_session.selection.reference);
        m_session.selection.result = choices.empty() ? std::string() : choices.front();
        if (!choices.empty()) choices.pop_front();
    }

    int calls() const { return static_cast<int>(references.size()); }
    // The reference person of the last call; none before the first.
    RecordNo lastReference() const { return references.empty() ? RecordNo() : references.back(); }

    std::deque<std::string> choices;
    std::vector<RecordNo> references;

private:
    Session& m_session;
};

}  // namespace brinox::testing
