#pragma once

// What the fuzz targets share: a way for a short input to stand for a long
// file, and the checks every pedigree must pass. The targets work on bytes
// in memory, never on files, so that each tries thousands of inputs a
// second; reading the files from disk has tests of its own.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "pedigree/pedigree_model.h"
#include "store/session.h"

namespace brinox::fuzzing {

// A property that must hold for every input. A broken one is reported the
// way the fuzzer reports a crash, so it is kept as an artifact and replayed.
inline void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// The file an input stands for. An input starting with "TILE" and a 16-bit
// little-endian count stands for the rest repeated that many times, so that
// full and overfull tables (600 persons are 170 kB) are reached from a few
// bytes; a tiled file stops after `longest` bytes, as no reader looks
// further. Every other input is the file itself, read in place, so that a
// read one byte past its end is caught.
class InputFile {
public:
    InputFile(const std::uint8_t* data, std::size_t size, std::size_t longest) : m_bytes(data, size) {
        constexpr std::size_t kHeader = 6;
        if (size < kHeader || !std::equal(data, data + 4, "TILE")) return;
        const std::size_t times = static_cast<std::size_t>(data[4] | (data[5] << 8));
        const std::size_t body = size - kHeader;
        m_tiled.resize(std::min(times * body, longest));
        for (std::size_t at = 0; at < m_tiled.size(); at += body) {
            std::copy_n(data + kHeader, std::min(body, m_tiled.size() - at), m_tiled.data() + at);
        }
        m_bytes = m_tiled;
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    std::span<const std::uint8_t> bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_tiled;
    std::span<const std::uint8_t> m_bytes;
};

// The session the targets fill, kept for the whole run: building and
// tearing down its 600 person slots for every input is time not spent on
// the input. Filling the tables starts from empty ones, as a load does.
inline Session& reusedSession() {
    static Session session;
    return session;
}

// Draws the pedigree of each of `people` (any number, in range or not) and
// checks what every pedigree must be, whatever the family holds. A person
// named twice is drawn once: a second drawing would find nothing new and
// cost as much as the first, in a family of 600 children of one father.
inline void drawPedigrees(Session& session, std::vector<int> people) {
    std::sort(people.begin(), people.end());
    people.erase(std::unique(people.begin(), people.end()), people.end());
    for (const int person : people) {
        session.selectedPerson = RecordNo(person);
        const PedigreeView view = buildPedigree(session);
        if (session.persons.count() < 1) {
            require(!view.caption && !view.partnerLabel && view.children.empty(), "an empty family draws nothing");
            continue;
        }
        require(view.caption.has_value() && view.partnerLabel.has_value(), "a family sets caption and partner");
        require(view.persons[kZelf] == RecordNo(person), "the self panel shows the selected person");
        for (int i = 0; i < kPanelCount; ++i) {
            require(!view.persons[i].isNone() || view.panelTexts[i].empty(), "an empty panel has no text");
        }
        // The label is read back to follow a click on it; it must lead to a partner.
        require(view.partnerLabel->empty() || !partnerInLabel(*view.partnerLabel).isNone(),
                "a partner label names its partner's number");
    }
}

// The record numbers a family's own files point at: fathers, mothers and
// own numbers of its first records, plus the edges of the table.
inline std::vector<int> peopleToDraw(const PersonTable& persons) {
    std::vector<int> people = {0, 1, 2, persons.count(), persons.count() + 1, PersonTable::kSlots,
                               PersonTable::kSlots + 1, 65535};
    const int last = std::min(persons.count(), 6);
    for (int r = 1; r <= last; ++r) {
        people.push_back(persons.getFather(RecordNo(r)).value);
        people.push_back(persons.getMother(RecordNo(r)).value);
        people.push_back(persons.getNumber(RecordNo(r)).value);
    }
    return people;
}

}  // namespace brinox::fuzzing
