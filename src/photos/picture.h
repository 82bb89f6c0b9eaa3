#pragma once

#include <cstdint>
#include <vector>

namespace brinox {

// A decoded photo: 8-bit RGB, rows top to bottom, no padding between rows.
// 0 × 0 when the file was not a picture the program can show.
struct Picture {
    int width = 0;
    int height = 0;
    // The size as stored in the file, which a reduced decode is smaller than.
    int storedWidth = 0;
    int storedHeight = 0;
    std::vector<std::uint8_t> rgb;  // width × height × 3 bytes

    bool empty() const { return width == 0 || height == 0; }
};

}  // namespace brinox
