#include "store/union_table.h"

#include "store/byte_fields.h"

namespace brinox {

void encodeUnionEntry(const UnionEntry& entry, std::span<std::uint8_t, kUnionEntrySize> out) {
    writeU16(out, 0, entry.man);
    writeU16(out, 2, entry.woman);
    out[4] = entry.married;
    out[5] = 0;
}

UnionEntry decodeUnionEntry(std::span<const std::uint8_t, kUnionEntrySize> in) {
    return UnionEntry{readU16(in, 0), readU16(in, 2), in[4], in[5]};
}

void UnionTable::reset() { m_entries.fill(UnionEntry{}); }

void UnionTable::removePerson(RecordNo r) {
    if (r.isNone()) return;
    for (auto& e : m_entries) {
        if (e.man == r.value || e.woman == r.value) e = UnionEntry{0, 0, 0, e.pad};
    }
}

int UnionTable::unionCount() const {
    int n = 0;
    for (int i = 1; i <= kLast; ++i) n += m_entries[i].inUse() ? 1 : 0;
    return n;
}

}  // namespace brinox
