// A life description may have been written by anything. Whatever it holds,
// reading it as rich text or as plain text ends without harm, and what was
// read, written back as rich text, reads as the same document: saving a
// text loses nothing the windows showed.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "texts/rtf_reader.h"
#include "texts/rtf_writer.h"

namespace {

using namespace brinox;
using fuzzing::require;

void requireWrittenReadsBack(const RichText& document) {
    const std::string written = writeRtf(document);
    const auto again = readRtf({reinterpret_cast<const std::uint8_t*>(written.data()), written.size()});
    require(again.has_value(), "what is written is rich text");
    require(*again == document, "what is written reads back as the same document");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzing::InputFile file(data, size, kRichTextFileLimit);
    const auto bytes = file.bytes();
    if (const auto document = readRtf(bytes)) requireWrittenReadsBack(*document);
    if (const auto document = readPlainText(bytes)) requireWrittenReadsBack(*document);
    return 0;
}
