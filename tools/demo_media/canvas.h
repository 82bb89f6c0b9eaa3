#pragma once

// A small painter for the demo photos: shapes are filled with smooth edges
// (4 × 4 samples a pixel), colours blend in floating point and are rounded
// only when the picture is written, so the same calls give the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace brinox::demo {

struct Colour {
    float r, g, b;  // 0..255
};

Colour mix(Colour a, Colour b, float t);                   // t = 0 gives a, 1 gives b
Colour scaled(Colour c, float factor);                     // lighter above 1, darker below
Colour fromHsv(float hue, float saturation, float value);  // hue in degrees

struct Point {
    float x, y;
};

struct Box {
    float left, top, right, bottom;
};

class Canvas {
public:
    Canvas(int width, int height, Colour background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    float w() const { return static_cast<float>(m_width); }
    float h() const { return static_cast<float>(m_height); }

    Colour pixel(int x, int y) const { return m_pixels[index(x, y)]; }
    void put(int x, int y, Colour c) { m_pixels[index(x, y)] = c; }
    void blend(int x, int y, Colour c, float alpha);

    // 8-bit RGB, rows top to bottom, as the JPEG encoder takes it.
    std::vector<std::uint8_t> rgbBytes() const;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }

    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};

// Paints colourAt(x, y) over the part of `box` where inside(x, y) holds, with
// the pixel's share of inside samples as its opacity times `alpha`.
template <class Inside, class ColourAt>
void paint(Canvas& canvas, Box box, Inside inside, ColourAt colourAt, float alpha = 1.0f) {
    const int x0 = std::max(0, static_cast<int>(std::floor(box.left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(box.top)));
    const int x1 = std::min(canvas.width(), static_cast<int>(std::ceil(box.right)) + 1);
    const int y1 = std::min(canvas.height(), static_cast<int>(std::ceil(box.bottom)) + 1);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    hits += inside(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / 4.0f,
                                   static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / 4.0f)
                                ? 1
                                : 0;
                }
            }
            if (hits > 0) {
                const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
                canvas.blend(x, y, colourAt(fx, fy), alpha * static_cast<float>(hits) / 16.0f);
            }
        }
    }
}

template <class Inside>
void fill(Canvas& canvas, Box box, Inside inside, Colour colour, float alpha = 1.0f) {
    paint(
        canvas, box, inside, [colour](float, float) { return colour; }, alpha);
}

void fillRect(Canvas& canvas, Box box, Colour colour, float alpha = 1.0f);
void fillEllipse(Canvas& canvas, Point centre, float rx, float ry, Colour colour, float alpha = 1.0f);
void fillPolygon(Canvas& canvas, std::span<const Point> corners, Colour colour, float alpha = 1.0f);
// A straight stroke of the given width whose square ends reach half the
// width beyond both points, so strokes meet without a notch at a corner.
void strokeLine(Canvas& canvas, Point from, Point to, float width, Colour colour, float alpha = 1.0f);
// The outline of an ellipse, `width` wide, inside its edge.
void strokeEllipse(Canvas& canvas, Point centre, float rx, float ry, float width, Colour colour);

// Rows from `top` to `bottom` blend from one colour to the other.
void verticalGradient(Canvas& canvas, float top, float bottom, Colour from, Colour to);

// Fills everything below the curve y = edge(x) with colourAt(x, y): the
// ground, hills and dunes of a landscape.
template <class Edge, class ColourAt>
void paintBelow(Canvas& canvas, Edge edge, ColourAt colourAt) {
    for (int x = 0; x < canvas.width(); ++x) {
        const float fx = static_cast<float>(x) + 0.5f;
        const float top = edge(fx);
        for (int y = std::max(0, static_cast<int>(std::floor(top))); y < canvas.height(); ++y) {
            const float coverage = std::clamp(static_cast<float>(y) + 1.0f - top, 0.0f, 1.0f);
            canvas.blend(x, y, colourAt(fx, static_cast<float>(y) + 0.5f), coverage);
        }
    }
}

// Smooth value noise in 0..1, a lattice point every `cell` pixels; the same
// seed gives the same pattern.
float noise(float x, float y, float cell, std::uint32_t seed);

// A small fixed-sequence random generator, so positions vary by photo but
// never between runs.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_state((seed * 2654435761u + 0x9e3779b9u) | 1u) {}
    float next();  // 0 <= value < 1
    float between(float low, float high) { return low + (high - low) * next(); }

private:
    std::uint32_t m_state;
};

// FNV-1a, for colours that follow a name.
std::uint32_t hashText(std::string_view text);

}  // namespace brinox::demo
