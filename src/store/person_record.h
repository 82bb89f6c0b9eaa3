#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace brinox {

// One person as the person file holds it. Texts are Windows-1252 bytes.
struct PersonRecord {
    std::uint8_t reserved = 0;  // never interpreted, carried along
    char sex = 0;               // 'm', 'v', '-' for an erased slot, 0 when never used
    std::string familyName;
    std::string firstNames;
    std::string info1;
    std::string info2;
    std::uint16_t birthYear = 0, birthMonth = 0, birthDay = 0;
    std::uint16_t deathYear = 0, deathMonth = 0, deathDay = 0;
    std::uint16_t father = 0, mother = 0, number = 0;

    bool operator==(const PersonRecord&) const = default;
};

inline constexpr std::size_t kPersonRecordSize = 284;
inline constexpr std::size_t kNameCapacity = 50;
inline constexpr std::size_t kInfoCapacity = 80;

// The 284 bytes of a record: little-endian numbers, length-prefixed texts
// with the unused bytes written as 0.
void encodePersonRecord(const PersonRecord& record, std::span<std::uint8_t, kPersonRecordSize> out);

// Reads a record from untrusted bytes: a text length beyond the field's
// capacity is cut to the capacity.
PersonRecord decodePersonRecord(std::span<const std::uint8_t, kPersonRecordSize> in);

}  // namespace brinox
