#include "support/jpeg_maker.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace brinox::testing {
namespace {

std::uint8_t luminance(Rgb c) {
    return static_cast<std::uint8_t>((299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000);
}

// The inks that print `c`, each stored as 255 minus the ink.
void invertedInks(Rgb c, JSAMPLE* out) {
    const int white = std::max({c.r, c.g, c.b});
    out[3] = static_cast<JSAMPLE>(white);
    for (const int channel : {c.r, c.g, c.b}) *out++ = static_cast<JSAMPLE>(white == 0 ? 0 : channel * 255 / white);
}

void fillRow(const Fill& fill, int y, int width, const JpegOptions& options, std::vector<JSAMPLE>& row) {
    JSAMPLE* out = row.data();
    for (int x = 0; x < width; ++x) {
        const Rgb c = fill(x, y);
        if (options.greyscale) {
            *out++ = luminance(c);
        } else if (options.cmykAdobe) {
            invertedInks(c, out);
            out += 4;
        } else {
            *out++ = c.r;
            *out++ = c.g;
            *out++ = c.b;
        }
    }
}

}  // namespace

std::vector<std::uint8_t> makeJpeg(int width, int height, const Fill& fill, JpegOptions options) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);  // a failure here is a fault in the helper: libjpeg ends the run
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = options.greyscale ? 1 : options.cmykAdobe ? 4 : 3;
    cinfo.in_color_space = options.greyscale ? JCS_GRAYSCALE : options.cmykAdobe ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&cinfo);  // CMYK gets the Adobe marker
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (options.progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * static_cast<std::size_t>(cinfo.input_components));
    JSAMPROW rows[1] = {row.data()};
    for (int y = 0; y < height; ++y) {
        fillRow(fill, y, width, options, row);
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

}  // namespace brinox::testing
