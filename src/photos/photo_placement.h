#pragma once

// Where the photo windows put a photo and its frame. Divisions truncate
// toward zero, as the windows have always placed them.

namespace brinox {

// A frame's place and size in its window's client area.
struct FrameBox {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const FrameBox&) const = default;
};

// The photo sits this far inside its frame on every side: two bevels and the
// border between them.
inline int frameInset(int bevelWidth, int borderWidth) { return 2 * bevelWidth + borderWidth; }

// What the slide viewer's window offers its frame.
struct SlideWindow {
    int clientWidth = 0, clientHeight = 0;
    int outerHeight = 0;  // with the title bar
    int statusHeight = 21;
};

// The frame around a photo shown `width` × `height`, placed after loading:
// centred where it fits, else at the inset from the edge.
FrameBox placeSlideFrame(int width, int height, int inset, const SlideWindow& window);

// After a resize, a browse or a zoom: a frame wider than the window is
// centred so both sides are cut off equally; a taller one is raised.
FrameBox keepSlideFrameCentred(FrameBox frame, const SlideWindow& window);

// How far the slide viewer can scroll: around a zoomed photo of `width` ×
// `height` as shown, else a little.
struct ScrollRanges {
    int horizontal = 0, vertical = 0;
    bool operator==(const ScrollRanges&) const = default;
};
ScrollRanges slideScrollRanges(bool zoom, int width, int height);

// The large view's client size for a `width` × `height` photo: the largest
// size of the same proportions within the screen less 20 × 50 pixels.
struct ClientSize {
    int width = 0, height = 0;
    bool operator==(const ClientSize&) const = default;
};
ClientSize largeViewSize(int width, int height, int screenWidth, int screenHeight);

// The single photo viewer's frame (inset 18) around a `width` × `height`
// photo, in a window of the given client size and outer width.
inline constexpr int kSingleViewerInset = 18;
inline constexpr int kSingleViewerStatusHeight = 30;
FrameBox placeSingleFrame(int width, int height, int clientWidth, int clientHeight, int outerWidth);

}  // namespace brinox
