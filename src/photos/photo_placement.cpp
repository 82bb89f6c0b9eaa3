#include "photos/photo_placement.h"

#include <cmath>

namespace brinox {
namespace {

constexpr int kZoomScrollMargin = 144;
constexpr int kPlainScrollRange = 10;
constexpr int kRaisedBy = 15;

}  // namespace

FrameBox placeSlideFrame(int width, int height, int inset, const SlideWindow& window) {
    FrameBox frame{0, 0, width + 2 * inset, height + 2 * inset};
    frame.left = window.clientWidth >= frame.width ? (window.clientWidth - frame.width) / 2 : inset;
    frame.top = frame.height <= window.outerHeight
                    ? (window.clientHeight - frame.height - window.statusHeight) / 2
                    : inset;
    return frame;
}

FrameBox keepSlideFrameCentred(FrameBox frame, const SlideWindow& window) {
    if (window.clientWidth < frame.width) frame.left = (window.clientWidth - frame.width) / 2;
    if (frame.height > window.outerHeight) {
        frame.top = (window.clientHeight - kRaisedBy - frame.height - window.statusHeight) / 2;
    }
    return frame;
}

ScrollRanges slideScrollRanges(bool zoom, int width, int height) {
    if (!zoom) return {kPlainScrollRange, kPlainScrollRange};
    return {width + kZoomScrollMargin, height + kZoomScrollMargin};
}

ClientSize largeViewSize(int width, int height, int screenWidth, int screenHeight) {
    if (width <= 0 || height <= 0) return {};
    const double availableWidth = screenWidth - 20;
    const double availableHeight = screenHeight - 50;
    if (availableWidth / availableHeight < static_cast<double>(width) / height) {
        return {static_cast<int>(availableWidth), static_cast<int>(std::lround(availableWidth / width * height))};
    }
    return {static_cast<int>(std::lround(availableHeight / height * width)), static_cast<int>(availableHeight)};
}

FrameBox placeSingleFrame(int width, int height, int clientWidth, int clientHeight, int outerWidth) {
    FrameBox frame{0, 0, width + 2 * kSingleViewerInset, height + 2 * kSingleViewerInset};
    frame.top = (clientHeight - frame.height - kSingleViewerStatusHeight) / 2;
    frame.left = width > outerWidth ? 2 * kSingleViewerInset : (clientWidth - frame.width) / 2;
    return frame;
}

}  // namespace brinox
