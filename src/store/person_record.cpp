#include "store/person_record.h"

#include "store/byte_fields.h"

namespace brinox {
namespace {

enum Offset : std::size_t {
    kReserved = 0,
    kSex = 1,
    kFamilyName = 2,
    kFirstNames = 53,
    kInfo1 = 104,
    kInfo2 = 185,
    kBirthYear = 266,
    kBirthMonth = 268,
    kBirthDay = 270,
    kDeathYear = 272,
    kDeathMonth = 274,
    kDeathDay = 276,
    kFather = 278,
    kMother = 280,
    kNumber = 282,
};

}  // namespace

void encodePersonRecord(const PersonRecord& r, std::span<std::uint8_t, kPersonRecordSize> out) {
    out[kReserved] = r.reserved;
    out[kSex] = static_cast<std::uint8_t>(r.sex);
    writeShortText(out, kFamilyName, kNameCapacity, r.familyName);
    writeShortText(out, kFirstNames, kNameCapacity, r.firstNames);
    writeShortText(out, kInfo1, kInfoCapacity, r.info1);
    writeShortText(out, kInfo2, kInfoCapacity, r.info2);
    writeU16(out, kBirthYear, r.birthYear);
    writeU16(out, kBirthMonth, r.birthMonth);
    writeU16(out, kBirthDay, r.birthDay);
    writeU16(out, kDeathYear, r.deathYear);
    writeU16(out, kDeathMonth, r.deathMonth);
    writeU16(out, kDeathDay, r.deathDay);
    writeU16(out, kFather, r.father);
    writeU16(out, kMother, r.mother);
    writeU16(out, kNumber, r.number);
}

PersonRecord decodePersonRecord(std::span<const std::uint8_t, kPersonRecordSize> in) {
    PersonRecord r;
    r.reserved = in[kReserved];
    r.sex = static_cast<char>(in[kSex]);
    r.familyName = readShortText(in, kFamilyName, kNameCapacity);
    r.firstNames = readShortText(in, kFirstNames, kNameCapacity);
    r.info1 = readShortText(in, kInfo1, kInfoCapacity);
    r.info2 = readShortText(in, kInfo2, kInfoCapacity);
    r.birthYear = readU16(in, kBirthYear);
    r.birthMonth = readU16(in, kBirthMonth);
    r.birthDay = readU16(in, kBirthDay);
    r.deathYear = readU16(in, kDeathYear);
    r.deathMonth = readU16(in, kDeathMonth);
    r.deathDay = readU16(in, kDeathDay);
    r.father = readU16(in, kFather);
    r.mother = readU16(in, kMother);
    r.number = readU16(in, kNumber);
    return r;
}

}  // namespace brinox
