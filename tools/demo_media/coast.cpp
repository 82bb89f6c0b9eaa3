// The sea: open water at evening, a beach, and the dunes.

#include "demo_media/scenery.h"
#include "demo_media/scenes.h"

namespace brinox::demo {

namespace {

constexpr Colour kSand{226, 206, 160};

// Short bright strokes on the water under the sun, spreading towards the viewer.
void glitter(Canvas& canvas, float horizon, float sunX, Dice& dice) {
    const float H = canvas.h();
    for (int i = 0; i < 160; ++i) {
        const float depth = dice.next();
        const float y = horizon + 2 + depth * depth * (H - horizon);
        const float x = sunX + dice.between(-1.0f, 1.0f) * (0.03f + 0.4f * depth) * H;
        const float length = H * (0.01f + 0.05f * depth) * dice.between(0.5f, 1.0f);
        strokeLine(canvas, {x - length / 2, y}, {x + length / 2, y}, 1.0f + 2.0f * depth, {255, 226, 170}, 0.6f);
    }
}

void sandCastle(Canvas& canvas, Point foot, float size) {
    const Colour wet = scaled(kSand, 0.82f);
    fillRect(canvas, {foot.x - size * 0.5f, foot.y - size * 0.3f, foot.x + size * 0.5f, foot.y}, wet);
    for (const float tower : {-0.45f, 0.3f}) {
        const Box box{foot.x + tower * size, foot.y - size * 0.6f, foot.x + (tower + 0.16f) * size,
                      foot.y - size * 0.3f};
        fillRect(canvas, box, wet);
        for (int i = 0; i < 3; ++i) {
            const float left = box.left + size * 0.06f * static_cast<float>(i);
            fillRect(canvas, {left, box.top - size * 0.05f, left + size * 0.04f, box.top}, wet);
        }
    }
    strokeLine(canvas, {foot.x + size * 0.38f, foot.y - size * 0.6f}, {foot.x + size * 0.38f, foot.y - size * 0.9f},
               size * 0.02f, {90, 70, 50});
    const Point flag[] = {{foot.x + size * 0.38f, foot.y - size * 0.9f},
                          {foot.x + size * 0.56f, foot.y - size * 0.84f},
                          {foot.x + size * 0.38f, foot.y - size * 0.78f}};
    fillPolygon(canvas, flag, {220, 50, 40});
    const Point bucket[] = {{foot.x - size * 0.95f, foot.y - size * 0.3f},
                            {foot.x - size * 0.65f, foot.y - size * 0.3f},
                            {foot.x - size * 0.7f, foot.y},
                            {foot.x - size * 0.9f, foot.y}};
    fillPolygon(canvas, bucket, {40, 110, 200});
}

void parasol(Canvas& canvas, Point top, float size) {
    strokeLine(canvas, top, {top.x + size * 0.1f, top.y + size * 1.2f}, size * 0.04f, {240, 240, 236});
    paint(
        canvas, {top.x - size, top.y - size * 0.45f, top.x + size, top.y + size * 0.1f},
        [=](float x, float y) {
            const float dx = (x - top.x) / size, dy = (y - top.y - size * 0.1f) / (size * 0.55f);
            return y <= top.y + size * 0.1f && dx * dx + dy * dy <= 1.0f;
        },
        [=](float x, float) {
            return static_cast<int>(std::floor((x - top.x) / (size * 0.25f)) + 8) % 2 == 0 ? Colour{226, 56, 50}
                                                                                           : Colour{246, 244, 238};
        });
}

float duneEdge(float x, float base, float H, std::uint32_t seed) {
    return base - H * (0.08f * std::sin(x / H * 2.1f + static_cast<float>(seed % 7)) + 0.04f * std::sin(x / H * 5.3f));
}

void dunes(Canvas& canvas, float base, std::uint32_t seed, Dice& dice) {
    const float W = canvas.w(), H = canvas.h();
    paintBelow(
        canvas, [=](float x) { return duneEdge(x, base, H, seed); },
        [=](float x, float y) { return mix(kSand, scaled(kSand, 0.86f), noise(x, y, H * 0.05f, seed)); });
    const int tufts = static_cast<int>(W / H * 40);
    for (int i = 0; i < tufts; ++i) {
        const float x = dice.next() * W;
        const float y = duneEdge(x, base, H, seed) + dice.between(0.0f, 0.15f) * H;
        for (const float lean : {-0.4f, -0.1f, 0.25f}) {
            strokeLine(canvas, {x, y}, {x + lean * H * 0.06f, y - H * dice.between(0.04f, 0.08f)}, 1.5f,
                       {128, 146, 86});
        }
    }
}

}  // namespace

void drawCoast(Canvas& canvas, std::uint32_t seed, Scene kind) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    const bool evening = kind == Scene::Sea;
    const float horizon = H * (evening ? 0.55f : 0.42f);
    const float sunX = W * dice.between(0.55f, 0.8f);
    sky(canvas, horizon, evening ? Colour{70, 104, 164} : Colour{84, 146, 214},
        evening ? Colour{248, 206, 150} : Colour{214, 232, 242});
    if (evening) sun(canvas, {sunX, horizon - H * 0.12f}, H * 0.06f, {255, 224, 160});
    for (int i = 0; i < static_cast<int>(W / H * 1.5f) + 1; ++i) {
        cloud(canvas, {W * dice.next(), H * dice.between(0.08f, 0.22f)}, H * 0.06f, dice);
    }
    verticalGradient(canvas, horizon, H, evening ? Colour{96, 110, 140} : Colour{90, 140, 170},
                     evening ? Colour{36, 56, 92} : Colour{40, 92, 130});
    if (evening) {
        glitter(canvas, horizon, sunX, dice);
        sailboat(canvas, {W * 0.3f, horizon + (H - horizon) * 0.35f}, H * 0.4f, {236, 226, 206});
        sailboat(canvas, {W * 0.9f, horizon + (H - horizon) * 0.08f}, H * 0.1f, {220, 210, 196});
    } else if (kind == Scene::Beach) {
        const float shore = H * 0.62f;
        paintBelow(
            canvas, [=](float x) { return shore + H * 0.01f * std::sin(x / H * 9.0f); },
            [=](float x, float y) {
                const Colour sand = mix(scaled(kSand, 0.8f), kSand, std::clamp((y - shore) / (H * 0.08f), 0.0f, 1.0f));
                return mix(sand, scaled(sand, 0.9f), noise(x, y, H * 0.02f, seed));
            });
        for (int i = 0; i < 3; ++i) {
            const float y = shore - H * 0.015f * static_cast<float>(i + 1);
            strokeLine(canvas, {0, y}, {W, y}, H * 0.006f, {246, 248, 250}, 0.5f);
        }
        sailboat(canvas, {W * dice.between(0.1f, 0.9f), horizon + H * 0.05f}, H * 0.12f, {246, 244, 238});
        const bool parasolLeft = dice.next() < 0.5f;
        parasol(canvas, {W * (parasolLeft ? 0.2f : 0.8f), H * 0.62f}, H * 0.16f);
        sandCastle(canvas, {W * (parasolLeft ? dice.between(0.5f, 0.7f) : dice.between(0.3f, 0.5f)), H * 0.88f},
                   H * 0.2f);
    } else {
        dunes(canvas, horizon + H * 0.25f, seed, dice);
        fence(canvas, W * 0.1f, W * 0.45f, H * 0.92f, H * 0.12f, {120, 100, 80});
    }
    for (int i = 0; i < 4; ++i)
        gull(canvas, {W * dice.next(), H * dice.between(0.1f, 0.35f)}, H * dice.between(0.03f, 0.06f));
}

}  // namespace brinox::demo
