// The caption file may have been written by anything. Whatever it holds, it
// reads as its whole records with keys and texts no longer than their
// fields, a lookup finds the last record of a key, and storing a caption
// writes whole records back: the bytes of every other record stay as they
// were, and a piece of a record at the end stays until a record is added
// in its place.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "photos/caption_file.h"

namespace {

using namespace brinox;
using fuzzing::require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzing::InputFile file(data, size, kCaptionFileLimit);
    const auto bytes = file.bytes();
    CaptionFile captions = CaptionFile::decode(bytes);
    const auto& records = captions.records();
    require(records.size() == bytes.size() / kCaptionRecordSize, "every whole record is read");
    for (const auto& record : records) {
        require(captionKey(record).size() <= kCaptionKeyWidth, "a key is at most 4 characters");
        require(captionText(record).size() <= kCaptionTextWidth, "a text is at most 100 characters");
    }
    if (records.empty()) return 0;

    const std::string key = captionKey(records.front());
    const auto before = captions.encode();
    require(before.size() == bytes.size() && std::equal(before.begin(), before.end(), bytes.begin()),
            "the records and the piece after them encode to the file's bytes");
    const std::size_t whole = records.size() * kCaptionRecordSize;
    captions.store(key, "nieuw", true);
    const auto after = captions.encode();
    if (after.size() == before.size()) {
        require(std::equal(before.begin() + whole, before.end(), after.begin() + whole), "the piece at the end stays");
    } else {
        require(after.size() == whole + kCaptionRecordSize, "an added record takes the place of the piece at the end");
    }
    for (std::size_t i = 0; i < whole / kCaptionRecordSize; ++i) {
        const auto* old = before.data() + i * kCaptionRecordSize;
        const bool changed = !std::equal(old, old + kCaptionRecordSize, after.data() + i * kCaptionRecordSize);
        require(!changed || captionKey(records[i]) == key, "only records of the key change");
    }
    if (key.size() == kCaptionKeyWidth && records.front()[0] == kCaptionKeyWidth) {
        require(captions.find(key) == "nieuw", "the stored caption is found");
    }
    return 0;
}
