#pragma once

// The family every benchmark works on: as large as the tables allow (600
// persons with names and information lines filled to the last character,
// 400 unions), with one father of 25 children by three wives, so that each
// measurement shows the worst a user can meet.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "store/prompt.h"
#include "store/session.h"

namespace brinox::bench {

inline constexpr const char* kFamilyCode = "VDORKUM";
// The father of 25 children.
inline constexpr int kBigFather = 301;
inline constexpr int kChildren = 25;

// Closes every box with its first button; benchmarks never wait for anyone.
class QuietPrompt : public Prompt {
public:
    Button message(MessageKind, const std::string&, std::initializer_list<Button> buttons) override {
        return buttons.size() > 0 ? *buttons.begin() : Button::Ok;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    Colour chooseColour(Colour preset) override { return preset; }
    FontChoice chooseFont(const FontChoice& preset) override { return preset; }
    std::optional<std::filesystem::path> chooseFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> chooseSaveFile(const std::string&, const std::string&,
                                                        const std::string&) override {
        return std::nullopt;
    }
};

// `text` followed by `filler` repeated until it is `size` characters long.
inline std::string filled(std::string text, std::size_t size, const std::string& filler) {
    while (text.size() < size) text += filler;
    return text.substr(0, size);
}

inline Session fullFamily() {
    Session s;
    // Odd records are men, even ones women; parents always come earlier.
    for (int r = 1; r <= PersonTable::kSlots; ++r) {
        PersonRecord p;
        p.sex = r % 2 == 1 ? 'm' : 'v';
        p.familyName = filled("van der Hoeven-Smitsma " + std::to_string(r) + " ", kNameCapacity, "Dijkstra ");
        // Windows-1252 bytes: e with diaeresis and e with acute.
        p.firstNames = filled("Jo\xEBl Ren\xE9 " + std::to_string(r) + " ", kNameCapacity, "Wilhelmus ");
        p.info1 = filled("Geboren te Leeuwarden, boer op de Grote Hoeve ", kInfoCapacity, "en omstreken ");
        p.info2 = filled("Gedoopt in de Grote Kerk, begraven te Dokkum ", kInfoCapacity, "naast zijn ouders ");
        p.birthYear = static_cast<std::uint16_t>(1600 + r / 2);
        p.birthMonth = static_cast<std::uint16_t>(1 + r % 12);
        p.birthDay = static_cast<std::uint16_t>(1 + r % 28);
        if (r < 450) {
            p.deathYear = static_cast<std::uint16_t>(p.birthYear + 40 + r % 50);
            p.deathMonth = static_cast<std::uint16_t>(1 + (r * 7) % 12);
            p.deathDay = static_cast<std::uint16_t>(1 + (r * 5) % 28);
        }
        if (r > 20) {
            const int earlierCouples = (r - 1) / 2;
            p.father = static_cast<std::uint16_t>(1 + 2 * ((r * 7) % earlierCouples));
            p.mother = static_cast<std::uint16_t>(2 + 2 * ((r * 11) % earlierCouples));
        }
        p.number = static_cast<std::uint16_t>(r);
        s.persons.putRecord(RecordNo(r), p);
    }
    s.persons.setCount(PersonTable::kSlots);

    // The 25 children of one man by three wives, some born in the same year.
    const int wives[] = {kBigFather + 1, kBigFather + 3, kBigFather + 5};
    for (int i = 0; i < kChildren; ++i) {
        PersonRecord child = s.persons.record(RecordNo(500 + i));
        child.father = kBigFather;
        child.mother = static_cast<std::uint16_t>(wives[i % 3]);
        child.birthYear = static_cast<std::uint16_t>(1780 + (i * 7) % 20);
        s.persons.putRecord(RecordNo(500 + i), child);
    }

    // 400 unions: each man with the woman after him, and 100 second unions.
    int entry = 1;
    for (int man = 1; man < PersonTable::kSlots && entry <= 300; man += 2, ++entry) {
        s.unions[entry] = UnionEntry{static_cast<std::uint16_t>(man), static_cast<std::uint16_t>(man + 1),
                                     static_cast<std::uint8_t>(man % 3 != 0), 0};
    }
    for (int man = 1; entry <= UnionTable::kLast; man += 6, ++entry) {
        s.unions[entry] = UnionEntry{static_cast<std::uint16_t>(man), static_cast<std::uint16_t>(man + 3), 0, 0};
    }
    s.unions[UnionTable::kLast - 1] = UnionEntry{kBigFather, static_cast<std::uint16_t>(wives[1]), 1, 0};
    s.unions[UnionTable::kLast] = UnionEntry{kBigFather, static_cast<std::uint16_t>(wives[2]), 1, 0};
    return s;
}

}  // namespace brinox::bench
