#include "demo_media/media_files.h"

#include <jpeglib.h>

#include <algorithm>
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace brinox::demo {

std::vector<std::uint8_t> encodeJpeg(const Canvas& canvas, int quality) {
    std::vector<std::uint8_t> rgb = canvas.rgbBytes();
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);  // a fault here is a fault of this tool: libjpeg ends it
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(canvas.width());
    info.image_height = static_cast<JDIMENSION>(canvas.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(canvas.width()) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = rgb.data() + info.next_scanline * stride;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const std::unique_ptr<unsigned char, decltype(&std::free)> owned(buffer, &std::free);
    return {buffer, buffer + size};
}

std::vector<std::uint8_t> encodeCaptions(std::span<const Caption> captions) {
    std::vector<std::uint8_t> bytes(captions.size() * kCaptionRecordSize, 0);
    auto record = bytes.begin();
    for (const Caption& caption : captions) {
        if (caption.key.size() != 4 || caption.text.size() > kCaptionTextCapacity) {
            throw std::invalid_argument("caption " + caption.key + " does not fit its record");
        }
        record[0] = 4;
        std::copy(caption.key.begin(), caption.key.end(), record + 1);
        record[5] = static_cast<std::uint8_t>(caption.text.size());
        std::copy(caption.text.begin(), caption.text.end(), record + 6);
        record += kCaptionRecordSize;
    }
    return bytes;
}

namespace {

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples, int sampleRate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    putLittleEndian(out, 36 + dataSize, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittleEndian(out, 16, 4);  // size of the format chunk
    putLittleEndian(out, 1, 2);   // PCM
    putLittleEndian(out, 1, 2);   // mono
    putLittleEndian(out, rate, 4);
    putLittleEndian(out, rate * 2, 4);  // bytes a second
    putLittleEndian(out, 2, 2);         // bytes a sample frame
    putLittleEndian(out, 16, 2);        // bits a sample
    putTag(out, "data");
    putLittleEndian(out, dataSize, 4);
    for (const std::int16_t sample : samples) putLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

}  // namespace brinox::demo
