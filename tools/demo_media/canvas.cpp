#include "demo_media/canvas.h"

namespace brinox::demo {

Colour mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(Colour c, float factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

Colour fromHsv(float hue, float saturation, float value) {
    // Each channel falls off with its distance from the hue on the colour wheel.
    const auto channel = [=](float n) {
        const float k = std::fmod(n + hue / 60.0f, 6.0f);
        return (value - value * saturation * std::clamp(std::min(k, 4.0f - k), 0.0f, 1.0f)) * 255.0f;
    };
    return {channel(5), channel(3), channel(1)};
}

Canvas::Canvas(int width, int height, Colour background)
    : m_width(width),
      m_height(height),
      m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background) {}

void Canvas::blend(int x, int y, Colour c, float alpha) {
    Colour& p = m_pixels[index(x, y)];
    p = mix(p, c, std::clamp(alpha, 0.0f, 1.0f));
}

std::vector<std::uint8_t> Canvas::rgbBytes() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(m_pixels.size() * 3);
    for (const Colour& c : m_pixels) {
        for (const float channel : {c.r, c.g, c.b}) {
            bytes.push_back(static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0f, 255.0f))));
        }
    }
    return bytes;
}

void fillRect(Canvas& canvas, Box box, Colour colour, float alpha) {
    fill(
        canvas, box,
        [box](float x, float y) { return x >= box.left && x < box.right && y >= box.top && y < box.bottom; }, colour,
        alpha);
}

void fillEllipse(Canvas& canvas, Point centre, float rx, float ry, Colour colour, float alpha) {
    fill(
        canvas, {centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry},
        [=](float x, float y) {
            const float dx = (x - centre.x) / rx, dy = (y - centre.y) / ry;
            return dx * dx + dy * dy <= 1.0f;
        },
        colour, alpha);
}

namespace {

// Even-odd rule, so a corner list may also describe a concave outline.
bool insidePolygon(std::span<const Point> corners, float x, float y) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point a = corners[i], b = corners[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

}  // namespace

void fillPolygon(Canvas& canvas, std::span<const Point> corners, Colour colour, float alpha) {
    if (corners.size() < 3) return;
    Box box{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const Point p : corners) {
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y)};
    }
    fill(
        canvas, box, [corners](float x, float y) { return insidePolygon(corners, x, y); }, colour, alpha);
}

void strokeLine(Canvas& canvas, Point from, Point to, float width, Colour colour, float alpha) {
    const float dx = to.x - from.x, dy = to.y - from.y;
    const float length = std::hypot(dx, dy);
    if (length <= 0.0f) return;
    const float nx = -dy / length * width / 2.0f, ny = dx / length * width / 2.0f;
    const Point a{from.x - ny, from.y + nx}, b{to.x + ny, to.y - nx};  // half a width beyond each end
    const Point quad[] = {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
    fillPolygon(canvas, quad, colour, alpha);
}

void strokeEllipse(Canvas& canvas, Point centre, float rx, float ry, float width, Colour colour) {
    fill(
        canvas, {centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry},
        [=](float x, float y) {
            const float ox = (x - centre.x) / rx, oy = (y - centre.y) / ry;
            const float ix = (x - centre.x) / (rx - width), iy = (y - centre.y) / (ry - width);
            return ox * ox + oy * oy <= 1.0f && ix * ix + iy * iy > 1.0f;
        },
        colour);
}

void verticalGradient(Canvas& canvas, float top, float bottom, Colour from, Colour to) {
    const int y0 = std::max(0, static_cast<int>(top));
    const int y1 = std::min(canvas.height(), static_cast<int>(std::ceil(bottom)));
    for (int y = y0; y < y1; ++y) {
        const float t = (static_cast<float>(y) + 0.5f - top) / std::max(1.0f, bottom - top);
        const Colour c = mix(from, to, std::clamp(t, 0.0f, 1.0f));
        for (int x = 0; x < canvas.width(); ++x) canvas.put(x, y, c);
    }
}

namespace {

float lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h =
        seed ^ (static_cast<std::uint32_t>(x) * 374761393u) ^ (static_cast<std::uint32_t>(y) * 668265263u);
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffu) / 65535.0f;
}

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

float noise(float x, float y, float cell, std::uint32_t seed) {
    const float gx = x / cell, gy = y / cell;
    const int ix = static_cast<int>(std::floor(gx)), iy = static_cast<int>(std::floor(gy));
    const float tx = smooth(gx - static_cast<float>(ix)), ty = smooth(gy - static_cast<float>(iy));
    const float top = lattice(ix, iy, seed) + (lattice(ix + 1, iy, seed) - lattice(ix, iy, seed)) * tx;
    const float bottom = lattice(ix, iy + 1, seed) + (lattice(ix + 1, iy + 1, seed) - lattice(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float Dice::next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<float>(m_state >> 8) / 16777216.0f;
}

std::uint32_t hashText(std::string_view text) {
    std::uint32_t h = 2166136261u;
    for (const char c : text) {
        h ^= static_cast<std::uint8_t>(c);
        h *= 16777619u;
    }
    return h;
}

}  // namespace brinox::demo
