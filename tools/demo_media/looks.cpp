// What time does to a print: older photos in the album are paler or brown,
// darker at the corners, and framed by the paper's own border.

#include "demo_media/scenes.h"

namespace brinox::demo {

namespace {

float luminance(Colour c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

// 0 in the middle of the picture, 1 in its corners.
float cornerDistance(const Canvas& canvas, int x, int y) {
    const float dx = (static_cast<float>(x) + 0.5f) / canvas.w() * 2.0f - 1.0f;
    const float dy = (static_cast<float>(y) + 0.5f) / canvas.h() * 2.0f - 1.0f;
    return (dx * dx + dy * dy) / 2.0f;
}

Colour faded(Colour c) {
    const float grey = luminance(c);
    const Colour pale = mix(c, {grey, grey, grey}, 0.4f);
    return {30.0f + pale.r * 0.86f, 24.0f + pale.g * 0.84f, 12.0f + pale.b * 0.8f};
}

Colour sepia(Colour c, float stain) {
    const float tone = (36.0f + luminance(c) * 0.76f) * stain;
    return {tone * 1.08f + 8.0f, tone * 0.9f + 4.0f, tone * 0.66f};
}

void border(Canvas& canvas, float share, Colour paper) {
    const float edge = std::min(canvas.w(), canvas.h()) * share;
    fillRect(canvas, {0, 0, canvas.w(), edge}, paper);
    fillRect(canvas, {0, canvas.h() - edge, canvas.w(), canvas.h()}, paper);
    fillRect(canvas, {0, 0, edge, canvas.h()}, paper);
    fillRect(canvas, {canvas.w() - edge, 0, canvas.w(), canvas.h()}, paper);
}

}  // namespace

void applyLook(Canvas& canvas, Look look, std::uint32_t seed) {
    const float vignette = look == Look::Colour ? 0.12f : look == Look::Faded ? 0.18f : 0.35f;
    const float cell = canvas.h() * 0.15f;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            Colour c = scaled(canvas.pixel(x, y), 1.0f - vignette * cornerDistance(canvas, x, y));
            if (look == Look::Faded) c = faded(c);
            if (look == Look::Sepia) {
                const float fx = static_cast<float>(x), fy = static_cast<float>(y);
                c = sepia(c, 0.9f + 0.1f * noise(fx, fy, cell, seed) + 0.03f * noise(fx, fy, 3.0f, seed + 1));
            }
            canvas.put(x, y, c);
        }
    }
    if (look == Look::Faded) border(canvas, 0.035f, {244, 241, 232});
    if (look == Look::Sepia) border(canvas, 0.045f, {226, 214, 186});
}

}  // namespace brinox::demo
