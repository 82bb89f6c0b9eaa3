#include "photos/thumbnail_size.h"

#include <cmath>

namespace brinox {

int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

ShownSize fitToBox(int width, int height, int boxWidth, int boxHeight) {
    if (width <= 0 || height <= 0) return {};
    // Compared as products, so that equal proportions are equal exactly.
    if (static_cast<long long>(width) * boxHeight < static_cast<long long>(boxWidth) * height) {
        return {roundHalfEven(static_cast<double>(boxHeight) / height * width), boxHeight};
    }
    return {boxWidth, roundHalfEven(static_cast<double>(boxWidth) / width * height)};
}

}  // namespace brinox
