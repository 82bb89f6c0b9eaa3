#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "store/record_no.h"

namespace brinox {

// A marriage (married 1) or steady relationship (married 0) between a man
// and a woman. An entry with either side 0 is no union, whatever `married` says.
struct UnionEntry {
    std::uint16_t man = 0;
    std::uint16_t woman = 0;
    std::uint8_t married = 1;
    std::uint8_t pad = 0;

    bool inUse() const { return man != 0 && woman != 0; }
    bool operator==(const UnionEntry&) const = default;
};

inline constexpr std::size_t kUnionEntrySize = 6;

void encodeUnionEntry(const UnionEntry& entry, std::span<std::uint8_t, kUnionEntrySize> out);
UnionEntry decodeUnionEntry(std::span<const std::uint8_t, kUnionEntrySize> in);

// Entries 0..400; entry 0 is never used, unions live in 1..400 in the order
// they were loaded or registered.
class UnionTable {
public:
    static constexpr int kLast = 400;
    static constexpr int kEntries = kLast + 1;

    UnionEntry& operator[](int i) { return m_entries.at(static_cast<std::size_t>(i)); }
    const UnionEntry& operator[](int i) const { return m_entries.at(static_cast<std::size_t>(i)); }

    // Every entry empty with `married` 1, as before a load.
    void reset();

    // Clears in place (all five significant bytes 0) every entry naming r.
    void removePerson(RecordNo r);

    // Entries 1..400 in use.
    int unionCount() const;

private:
    std::array<UnionEntry, kEntries> m_entries{};
};

}  // namespace brinox
