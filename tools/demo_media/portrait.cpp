// A head-and-shoulders silhouette before a background in the sitter's own
// colour, so every portrait in the album looks different without showing
// anybody's face. Old portraits lose their colour to the sepia print, so
// they differ by pose, hair, hat and the studio's drape instead.

#include "demo_media/scenes.h"

namespace brinox::demo {

namespace {

constexpr Colour kShadow{34, 30, 38};

struct Pose {
    float x;          // the middle of the figure, in pixels
    float head;       // head width over canvas width
    float shoulders;  // half the shoulders' width over canvas width
    int style;        // 0..2: which hair, beard or hat
};

struct Head {
    float x, y, rx, ry;
};

Head headOf(const Canvas& canvas, const Pose& pose, float grow) {
    return {pose.x, canvas.h() * 0.44f, canvas.w() * pose.head + grow, canvas.w() * pose.head * 1.25f + grow};
}

// Head, neck and shoulders; `grow` widens every part for the rim of light.
void figure(Canvas& canvas, const Sitter& sitter, const Pose& pose, Colour colour, float grow) {
    const float W = canvas.w(), H = canvas.h();
    const auto [x, y, rx, ry] = headOf(canvas, pose, grow);
    fillEllipse(canvas, {x, H * 0.95f}, W * pose.shoulders + grow, H * 0.29f + grow, colour);
    fillRect(canvas, {x - rx * 0.4f, y, x + rx * 0.4f, H * 0.75f}, colour);
    fillEllipse(canvas, {x, y}, rx, ry, colour);
    if (sitter.female) {
        fillEllipse(canvas, {x, y - ry * 0.12f}, rx * 1.18f, ry * 1.02f, colour);
        if (!sitter.old && pose.style < 2) {  // hair to the shoulders, or a shorter bob
            const float length = pose.style == 0 ? ry * 1.1f : ry * 0.55f;
            fillRect(canvas, {x - rx * 1.18f, y, x + rx * 1.18f, y + length}, colour);
            fillEllipse(canvas, {x, y + length}, rx * 1.18f, ry * 0.2f, colour);
        } else if (pose.style == 1) {  // a bun at the back
            fillEllipse(canvas, {x + rx * 1.1f, y - ry * 0.1f}, rx * 0.42f + grow, ry * 0.34f + grow, colour);
        } else if (pose.style == 2) {  // hair up in a bun on top
            fillEllipse(canvas, {x, y - ry * 1.1f}, rx * 0.5f + grow, ry * 0.3f + grow, colour);
        }
    } else if (sitter.old) {
        if (pose.style != 1) fillEllipse(canvas, {x, y + ry * 0.65f}, rx * 0.9f, ry * 0.6f, colour);  // beard
        if (pose.style != 0) {
            fillRect(canvas, {x - rx * 0.85f - grow, y - ry * 1.9f - grow, x + rx * 0.85f + grow, y - ry * 0.6f},
                     colour);
            fillEllipse(canvas, {x, y - ry * 0.7f}, rx * 1.5f + grow, ry * 0.13f + grow, colour);  // the brim
        }
    } else if (pose.style == 2) {
        fillEllipse(canvas, {x, y - ry * 0.25f}, rx * 1.08f, ry * 0.85f, colour);  // a full head of hair
    }
}

// The white cap of a farmer's wife, over the hair and down beside the cheeks.
void lacedCap(Canvas& canvas, const Head& head) {
    const Colour lace{236, 232, 222};
    const float brow = head.y - head.ry * 0.25f;
    fill(
        canvas, {head.x - head.rx * 1.3f, head.y - head.ry * 1.4f, head.x + head.rx * 1.3f, brow},
        [=](float x, float y) {
            const float dx = (x - head.x) / (head.rx * 1.2f), dy = (y - brow) / (head.ry * 1.05f);
            return dx * dx + dy * dy <= 1.0f;
        },
        lace);
    for (float x = head.x - head.rx * 1.05f; x <= head.x + head.rx * 1.06f; x += head.rx * 0.21f) {
        fillEllipse(canvas, {x, brow}, head.rx * 0.1f, head.rx * 0.1f, lace);  // the scalloped edge
    }
    for (const float side : {-1.0f, 1.0f}) {
        fillEllipse(canvas, {head.x + side * head.rx * 1.05f, head.y + head.ry * 0.1f}, head.rx * 0.2f, head.ry * 0.42f,
                    lace);
    }
}

// A curtain hanging at one side of the studio, in folds.
void drape(Canvas& canvas, Colour colour, bool left) {
    const float W = canvas.w(), H = canvas.h();
    const float edge = left ? W * 0.3f : W * 0.7f;
    paint(
        canvas, {0, 0, W, H},
        [=](float x, float y) {
            const float hem = edge + (left ? -1.0f : 1.0f) * W * 0.12f * (y / H) * (y / H);
            return left ? x < hem : x > hem;
        },
        [=](float x, float) { return scaled(colour, 0.55f + 0.2f * std::sin(x / W * 40.0f)); });
}

}  // namespace

void drawPortrait(Canvas& canvas, const Sitter& sitter, std::uint32_t seed) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    const float hue = static_cast<float>(hashText(sitter.name) % 360u);
    const Colour light = fromHsv(hue, 0.35f, dice.between(0.8f, 0.97f)), dark = fromHsv(hue, 0.6f, 0.42f);
    const Pose pose{W * dice.between(0.45f, 0.55f), dice.between(0.16f, 0.18f), dice.between(0.44f, 0.5f),
                    static_cast<int>((seed >> 8) % 3)};
    const Point glow{pose.x + W * dice.between(-0.15f, 0.15f), H * 0.4f};
    paint(
        canvas, {0, 0, W, H}, [](float, float) { return true; },
        [=](float x, float y) {
            const float dx = (x - glow.x) / W, dy = (y - glow.y) / H;
            return mix(light, dark, std::clamp(std::sqrt(dx * dx + dy * dy) * 1.8f, 0.0f, 1.0f));
        });
    if (sitter.old) drape(canvas, dark, dice.next() < 0.5f);
    figure(canvas, sitter, pose, scaled(light, 1.08f), W * 0.008f);
    figure(canvas, sitter, pose, kShadow, 0);
    const Colour collar = sitter.old ? Colour{240, 236, 226} : scaled(light, 0.8f);
    const Point left[] = {{pose.x - W * 0.06f, H * 0.66f}, {pose.x, H * 0.77f}, {pose.x - W * 0.14f, H * 0.74f}};
    const Point right[] = {{pose.x + W * 0.06f, H * 0.66f}, {pose.x, H * 0.77f}, {pose.x + W * 0.14f, H * 0.74f}};
    fillPolygon(canvas, left, collar);
    fillPolygon(canvas, right, collar);
    if (sitter.female && sitter.old && pose.style == 0) lacedCap(canvas, headOf(canvas, pose, 0));
    if (sitter.old) {
        fill(canvas, {0, 0, W, H},
             [=](float x, float y) {
                 const float dx = (x - W * 0.5f) / (W * 0.42f), dy = (y - H * 0.5f) / (H * 0.44f);
                 return dx * dx + dy * dy > 1.0f;
             },
             {234, 226, 208});
    }
}

}  // namespace brinox::demo
