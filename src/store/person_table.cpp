#include "store/person_table.h"

#include <algorithm>

namespace brinox {

void PersonTable::setCount(int count) { m_count = std::clamp(count, 0, kSlots); }

bool PersonTable::inRange(RecordNo r) const {
    return r.value >= 1 && r.value <= m_count + 1 && r.value <= kSlots;
}

const PersonRecord* PersonTable::find(RecordNo r) const { return inRange(r) ? &m_slots[r.value - 1] : nullptr; }

PersonRecord* PersonTable::find(RecordNo r) { return inRange(r) ? &m_slots[r.value - 1] : nullptr; }

char PersonTable::getSex(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->sex : 'm';
}

void PersonTable::setSex(RecordNo r, char sex) {
    if (auto* p = find(r)) p->sex = sex;
}

std::string PersonTable::getFamilyName(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->familyName : std::string();
}

void PersonTable::setFamilyName(RecordNo r, const std::string& name) {
    if (auto* p = find(r)) p->familyName = name.substr(0, kNameCapacity);
}

std::string PersonTable::getFirstNames(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->firstNames : std::string();
}

void PersonTable::setFirstNames(RecordNo r, const std::string& names) {
    if (auto* p = find(r)) p->firstNames = names.substr(0, kNameCapacity);
}

std::string PersonTable::getInfo1(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->info1 : std::string();
}

void PersonTable::setInfo1(RecordNo r, const std::string& text) {
    if (auto* p = find(r)) p->info1 = text.substr(0, kInfoCapacity);
}

std::string PersonTable::getInfo2(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->info2 : std::string();
}

void PersonTable::setInfo2(RecordNo r, const std::string& text) {
    if (auto* p = find(r)) p->info2 = text.substr(0, kInfoCapacity);
}

int PersonTable::getBirthYear(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->birthYear : 0;
}

int PersonTable::getBirthMonth(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->birthMonth : 0;
}

int PersonTable::getBirthDay(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->birthDay : 0;
}

int PersonTable::getDeathYear(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->deathYear : 0;
}

int PersonTable::getDeathMonth(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->deathMonth : 0;
}

int PersonTable::getDeathDay(RecordNo r) const {
    const auto* p = find(r);
    return p ? p->deathDay : 0;
}

void PersonTable::setBirthYear(RecordNo r, std::uint16_t value) {
    if (auto* p = find(r)) p->birthYear = value;
}

void PersonTable::setBirthMonth(RecordNo r, std::uint16_t value) {
    if (auto* p = find(r)) p->birthMonth = value;
}

void PersonTable::setBirthDay(RecordNo r, std::uint16_t value) {
    if (auto* p = find(r)) p->birthDay = value;
}

void PersonTable::setDeathYear(RecordNo r, std::uint16_t value) {
    if (auto* p = find(r)) p->deathYear = value;
}

void PersonTable::setDeathMonth(RecordNo r, std::uint16_t value) {
    if (auto* p = find(r)) p->deathMonth = value;
}

void PersonTable::setDeathDay(RecordNo r, std::uint16_t value) {
    if (auto* p = find(r)) p->deathDay = value;
}

RecordNo PersonTable::getFather(RecordNo r) const {
    const auto* p = find(r);
    return RecordNo(p ? p->father : 0);
}

void PersonTable::setFather(RecordNo r, RecordNo father) {
    if (auto* p = find(r)) p->father = static_cast<std::uint16_t>(father.value);
}

RecordNo PersonTable::getMother(RecordNo r) const {
    const auto* p = find(r);
    return RecordNo(p ? p->mother : 0);
}

void PersonTable::setMother(RecordNo r, RecordNo mother) {
    if (auto* p = find(r)) p->mother = static_cast<std::uint16_t>(mother.value);
}

RecordNo PersonTable::getNumber(RecordNo r) const {
    const auto* p = find(r);
    return RecordNo(p ? p->number : 0);
}

void PersonTable::setNumber(RecordNo r, RecordNo number) {
    if (auto* p = find(r)) p->number = static_cast<std::uint16_t>(number.value);
}

bool PersonTable::isPerson(RecordNo r) const {
    if (r.value < 1 || r.value > m_count) return false;
    const char sex = m_slots[r.value - 1].sex;
    return sex != '-' && sex != '\0';
}

bool PersonTable::isLiving(RecordNo r) const {
    return getDeathDay(r) == 0 && getDeathMonth(r) == 0 && getDeathYear(r) == 0;
}

void PersonTable::erase(RecordNo r) {
    if (r.value < 1 || r.value > kSlots) return;
    PersonRecord& p = m_slots[r.value - 1];
    const auto reserved = p.reserved;
    p = PersonRecord{};
    p.reserved = reserved;
    p.sex = '-';
}

std::optional<RecordNo> PersonTable::findFreeSlot() const {
    for (int r = 1; r <= m_count && r <= kSlots; ++r) {
        if (m_slots[r - 1].sex == '-') return RecordNo(r);
    }
    if (m_count >= kSlots) return std::nullopt;
    return RecordNo(m_count + 1);
}

const PersonRecord& PersonTable::record(RecordNo r) const { return m_slots.at(r.value - 1); }

void PersonTable::putRecord(RecordNo r, PersonRecord record) { m_slots.at(r.value - 1) = std::move(record); }

void PersonTable::clear() {
    m_slots.fill(PersonRecord{});
    m_count = 0;
}

}  // namespace brinox
