#pragma once

// The sizes photos are shown at in small boxes (thumbnails, album cells, the
// identification window), all rounded the same way and always computed
// from the picture's size as stored, never from a reduced decode.

namespace brinox {

struct ShownSize {
    int width = 0, height = 0;
    bool operator==(const ShownSize&) const = default;
};

// The nearest whole number, a half going to the even neighbour.
int roundHalfEven(double value);

// A `width` × `height` picture fitted to a box: as high as the box when it is
// relatively narrower than the box, else as wide. 0 × 0 for no picture.
ShownSize fitToBox(int width, int height, int boxWidth, int boxHeight);

}  // namespace brinox
