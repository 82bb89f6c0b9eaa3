#include "photos/jpeg_decoder.h"

#include <algorithm>
#include <csetjmp>
// jpeglib.h uses FILE and size_t without including their headers.
#include <cstdio>
#include <new>
#include <variant>

#include <jpeglib.h>

#include "store/regular_file.h"

namespace brinox {
namespace {

// A progressive photo keeps all its coefficients in memory, up to 6 bytes a
// pixel: this holds those of 89 megapixels. A file that needs more is
// refused instead of taking the machine's memory.
constexpr long kMaxDecoderMemory = 512L << 20;
// Each scan of a progressive file is decoded over the whole picture, and a
// few bytes make a scan: a photo of 20,000 scans would take minutes.
constexpr int kMaxScans = 500;
constexpr JDIMENSION kRowsPerRead = 16;

// libjpeg reports a fatal error by calling error_exit, which must not return:
// it jumps back to decodeGuarded. Between the two, no function owns a C++
// object, so the jump skips no destructor.
struct ErrorManager {
    jpeg_error_mgr manager;  // first, so that libjpeg's pointer to it is one to the whole
    std::jmp_buf landing;
};

[[noreturn]] void jumpBack(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->landing, 1);
}

// Damaged data (a cut-off file, a bad code) is a warning, after which
// libjpeg goes on with grey where the data is missing: the photo is still
// worth showing. Nothing is printed.
void countWarning(j_common_ptr cinfo, int level) {
    if (level < 0) ++cinfo->err->num_warnings;
}

void limitScans(j_common_ptr cinfo) {
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) cinfo->err->error_exit(cinfo);
}

struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    jpeg_progress_mgr progress{};

    Decoder() = default;
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
    // Safe on a structure libjpeg never filled in: it frees only what it finds.
    ~Decoder() { jpeg_destroy_decompress(&cinfo); }
};

bool withinPixelLimit(std::uint64_t width, std::uint64_t height) {
    return width * height <= kMaxPicturePixels;
}

// How large a picture to decode: reduced by a fixed denominator, or by the
// largest one that still covers a box (a box of 0 × 0 asks for a denominator).
struct Scale {
    int denominator = 1;
    int coverWidth = 0;
    int coverHeight = 0;
};

bool covers(const jpeg_decompress_struct& cinfo, int denominator, const Scale& scale) {
    const auto reduced = [denominator](JDIMENSION side) { return (side + denominator - 1) / denominator; };
    return reduced(cinfo.image_width) >= static_cast<JDIMENSION>(scale.coverWidth) &&
           reduced(cinfo.image_height) >= static_cast<JDIMENSION>(scale.coverHeight);
}

int denominatorFor(const jpeg_decompress_struct& cinfo, const Scale& scale) {
    if (scale.coverWidth <= 0 && scale.coverHeight <= 0) return scale.denominator;
    for (const int denominator : {8, 4, 2}) {
        if (covers(cinfo, denominator, scale)) return denominator;
    }
    return 1;
}

// Reads the header and asks for the picture as the windows show it; false
// when it declares more pixels than we decode.
bool chooseOutput(j_decompress_ptr cinfo, const Scale& scale) {
    jpeg_read_header(cinfo, TRUE);
    // A file of a few hundred bytes can declare 65,500 × 65,500 pixels.
    if (!withinPixelLimit(cinfo->image_width, cinfo->image_height)) return false;
    // libjpeg turns greyscale and YCbCr into RGB, but leaves inks to us.
    const bool inks = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
    cinfo->out_color_space = inks ? JCS_CMYK : JCS_RGB;
    cinfo->dct_method = JDCT_ISLOW;
    cinfo->do_fancy_upsampling = TRUE;
    cinfo->quantize_colors = FALSE;
    cinfo->scale_num = 1;
    cinfo->scale_denom = static_cast<unsigned>(denominatorFor(*cinfo, scale));
    jpeg_calc_output_dimensions(cinfo);
    return withinPixelLimit(cinfo->output_width, cinfo->output_height);
}

// Decodes straight into the picture's rows, several per call.
bool readRgbRows(j_decompress_ptr cinfo, std::uint8_t* pixels) {
    const std::size_t stride = std::size_t{cinfo->output_width} * 3;
    JSAMPROW rows[kRowsPerRead];
    while (cinfo->output_scanline < cinfo->output_height) {
        const JDIMENSION first = cinfo->output_scanline;
        const JDIMENSION count = std::min(kRowsPerRead, cinfo->output_height - first);
        for (JDIMENSION i = 0; i < count; ++i) rows[i] = pixels + (first + i) * stride;
        if (jpeg_read_scanlines(cinfo, rows, count) == 0) return false;
    }
    return true;
}

// CMYK and YCCK come out of libjpeg as inks, one row at a time, in a row
// from libjpeg's own pool. Adobe's programs store each ink inverted (255 for
// none), and they made nearly every CMYK JPEG there is.
bool readInkRows(j_decompress_ptr cinfo, std::uint8_t* pixels) {
    const JDIMENSION width = cinfo->output_width;
    JSAMPARRAY inks = cinfo->mem->alloc_sarray(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, width * 4, 1);
    const unsigned flip = cinfo->saw_Adobe_marker ? 0 : 255;
    std::uint8_t* out = pixels;
    while (cinfo->output_scanline < cinfo->output_height) {
        if (jpeg_read_scanlines(cinfo, inks, 1) == 0) return false;
        for (const JSAMPLE* in = inks[0]; in != inks[0] + std::size_t{width} * 4; in += 4, out += 3) {
            // What each ink leaves of the paper's white, times what black leaves.
            const unsigned black = in[3] ^ flip;
            for (int i = 0; i < 3; ++i) out[i] = static_cast<std::uint8_t>(((in[i] ^ flip) * black + 127) / 255);
        }
    }
    return true;
}

// Everything that may end in a jump back; owns no C++ object. The file's
// bytes after the last row are not looked at.
bool decodeSteps(Decoder& decoder, std::span<const std::uint8_t> bytes, Picture& picture, const Scale& scale) {
    j_decompress_ptr cinfo = &decoder.cinfo;
    jpeg_create_decompress(cinfo);
    cinfo->mem->max_memory_to_use = kMaxDecoderMemory;
    cinfo->progress = &decoder.progress;
    jpeg_mem_src(cinfo, bytes.data(), bytes.size());
    if (!chooseOutput(cinfo, scale)) return false;
    jpeg_start_decompress(cinfo);
    picture.width = static_cast<int>(cinfo->output_width);
    picture.height = static_cast<int>(cinfo->output_height);
    picture.storedWidth = static_cast<int>(cinfo->image_width);
    picture.storedHeight = static_cast<int>(cinfo->image_height);
    picture.rgb.resize(std::size_t{cinfo->output_width} * cinfo->output_height * 3);
    return cinfo->out_color_space == JCS_CMYK ? readInkRows(cinfo, picture.rgb.data())
                                              : readRgbRows(cinfo, picture.rgb.data());
}

bool decodeGuarded(Decoder& decoder, std::span<const std::uint8_t> bytes, Picture& picture, const Scale& scale) {
    if (setjmp(decoder.errors.landing) != 0) return false;
    return decodeSteps(decoder, bytes, picture, scale);
}

bool decode(std::span<const std::uint8_t> bytes, Picture& picture, const Scale& scale) {
    const int denominator = scale.denominator;
    if (denominator != 1 && denominator != 2 && denominator != 4 && denominator != 8) return false;
    Decoder decoder;
    decoder.cinfo.err = jpeg_std_error(&decoder.errors.manager);
    decoder.errors.manager.error_exit = jumpBack;
    decoder.errors.manager.emit_message = countWarning;
    decoder.progress.progress_monitor = limitScans;
    try {
        return decodeGuarded(decoder, bytes, picture, scale);
    } catch (const std::bad_alloc&) {
        // Up to 400 MB for the pixels: a machine short of memory cannot show this photo.
        return false;
    }
}

// Keeps the buffer's memory for the next photo.
bool notAPicture(Picture& picture) {
    picture.width = 0;
    picture.height = 0;
    picture.storedWidth = 0;
    picture.storedHeight = 0;
    picture.rgb.clear();
    return false;
}

bool decodeScaled(const std::filesystem::path& path, Picture& picture, const Scale& scale, FileCalls& calls) {
    const auto read = readRegularFile(path, kMaxJpegFileBytes, calls);
    const auto* file = std::get_if<FileBytes>(&read);
    if (!file || file->beyondLimit) return notAPicture(picture);
    return decode(file->bytes, picture, scale) || notAPicture(picture);
}

}  // namespace

bool decodeJpeg(std::span<const std::uint8_t> bytes, Picture& picture, int scaleDenominator) {
    return decode(bytes, picture, Scale{scaleDenominator}) || notAPicture(picture);
}

bool readJpegFile(const std::filesystem::path& path, Picture& picture, int scaleDenominator, FileCalls& calls) {
    return decodeScaled(path, picture, Scale{scaleDenominator}, calls);
}

bool readJpegThumbnail(const std::filesystem::path& path, Picture& picture, int boxWidth, int boxHeight,
                       FileCalls& calls) {
    return decodeScaled(path, picture, Scale{1, boxWidth, boxHeight}, calls);
}

}  // namespace brinox
