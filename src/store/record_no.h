#pragma once

#include <compare>
#include <string>

namespace brinox {

// A record number of the person table. 1..600 name slots; 0 names nobody.
// Kept as an int so that any 16-bit value read from a file fits.
struct RecordNo {
    int value = 0;

    constexpr RecordNo() = default;
    constexpr explicit RecordNo(int v) : value(v) {}

    constexpr bool isNone() const { return value == 0; }
    auto operator<=>(const RecordNo&) const = default;
};

inline std::string toText(RecordNo r) { return std::to_string(r.value); }

}  // namespace brinox
