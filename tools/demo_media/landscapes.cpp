// The countryside of Drenthe as a child would paint it: farms, a mill, bulb
// fields and the heath.

#include "demo_media/scenery.h"
#include "demo_media/scenes.h"

namespace brinox::demo {

namespace {

constexpr Colour kSkyTop{78, 138, 206};
constexpr Colour kSkyLow{196, 222, 240};
constexpr Colour kLeaves{72, 124, 58};

void clouds(Canvas& canvas, float lowest, Dice& dice) {
    const int count = 2 + static_cast<int>(canvas.w() / canvas.h() * 1.5f);
    for (int i = 0; i < count; ++i) {
        const float x = canvas.w() * (static_cast<float>(i) + dice.between(0.2f, 0.8f)) / static_cast<float>(count);
        cloud(canvas, {x, dice.between(0.12f, lowest) * canvas.h()}, canvas.h() * dice.between(0.06f, 0.1f), dice);
    }
}

// A winter tree: a trunk and two orders of branches reaching upwards.
void bareTree(Canvas& canvas, Point foot, float height, Dice& dice) {
    const Colour bark{64, 56, 56};
    const Point top{foot.x, foot.y - height};
    strokeLine(canvas, foot, top, height * 0.04f, bark);
    for (int i = 0; i < 6; ++i) {
        const float side = i % 2 == 0 ? -1.0f : 1.0f;
        const Point from{foot.x, foot.y - height * (0.35f + 0.1f * static_cast<float>(i))};
        const float reach = height * dice.between(0.2f, 0.35f);
        const Point to{from.x + side * reach, from.y - reach * dice.between(0.6f, 1.1f)};
        strokeLine(canvas, from, to, height * 0.02f, bark);
        const Point twig{to.x + side * reach * 0.3f, to.y - reach * 0.5f};
        strokeLine(canvas, {(from.x + to.x) / 2, (from.y + to.y) / 2}, twig, height * 0.01f, bark);
    }
}

void birch(Canvas& canvas, Point foot, float height, Dice& dice) {
    const float half = height * 0.025f;
    fillRect(canvas, {foot.x - half, foot.y - height * 0.8f, foot.x + half, foot.y}, {236, 234, 226});
    for (float y = foot.y - height * 0.75f; y < foot.y; y += height * dice.between(0.05f, 0.1f)) {
        fillRect(canvas, {foot.x - half, y, foot.x + half * 0.2f, y + height * 0.012f}, {40, 40, 40});
    }
    for (int i = 0; i < 9; ++i) {
        const float r = height * dice.between(0.07f, 0.11f);
        const Point at{foot.x + dice.between(-0.17f, 0.17f) * height, foot.y - height * dice.between(0.62f, 0.95f)};
        fillEllipse(canvas, at, r, r * 0.85f, scaled(Colour{138, 178, 84}, dice.between(0.8f, 1.1f)), 0.9f);
    }
}

void skater(Canvas& canvas, Point foot, float size, float facing, Colour scarf) {
    const Colour coat{40, 40, 52};
    const Point hip{foot.x + facing * size * 0.05f, foot.y - size * 0.45f};
    strokeLine(canvas, hip, {foot.x - facing * size * 0.15f, foot.y}, size * 0.06f, coat);
    strokeLine(canvas, hip, {foot.x + facing * size * 0.18f, foot.y - size * 0.05f}, size * 0.06f, coat);
    fillEllipse(canvas, {foot.x + facing * size * 0.12f, foot.y - size * 0.65f}, size * 0.12f, size * 0.24f, coat);
    fillRect(canvas,
             {foot.x + facing * size * 0.12f - size * 0.08f, foot.y - size * 0.86f,
              foot.x + facing * size * 0.12f + size * 0.08f, foot.y - size * 0.8f},
             scarf);
    fillEllipse(canvas, {foot.x + facing * size * 0.2f, foot.y - size * 0.93f}, size * 0.08f, size * 0.08f, coat);
}

}  // namespace

void drawIce(Canvas& canvas, std::uint32_t seed) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    const float horizon = H * 0.56f;
    sky(canvas, horizon, {168, 180, 202}, {238, 222, 212});
    sun(canvas, {W * dice.between(0.6f, 0.85f), H * 0.3f}, H * 0.035f, {252, 238, 214});
    hills(canvas, horizon, H * 0.01f, {240, 242, 248}, seed);
    for (float x = W * 0.02f; x < W; x += H * dice.between(0.05f, 0.12f)) {
        bareTree(canvas, {x, horizon + H * 0.01f}, H * dice.between(0.1f, 0.16f), dice);
    }
    farmhouse(canvas, {W * 0.15f, horizon - H * 0.02f, W * 0.15f + H * 0.22f, horizon + H * 0.04f}, {146, 70, 54},
              {242, 244, 248});
    const float bank = W * dice.between(0.45f, 0.55f);
    const Point canal[] = {
        {bank - H * 0.1f, horizon + H * 0.03f}, {bank + H * 0.1f, horizon + H * 0.03f}, {W * 1.1f, H}, {-W * 0.1f, H}};
    fillPolygon(canvas, canal, {186, 204, 220});
    for (int i = 0; i < 12; ++i) {  // scratches of skates, longer nearby
        const float depth = dice.next();
        const float y = horizon + H * 0.05f + depth * (H - horizon - H * 0.06f);
        const float x = bank + dice.between(-0.4f, 0.4f) * (H * 0.2f + depth * W), length = H * (0.05f + 0.3f * depth);
        strokeLine(canvas, {x - length / 2, y}, {x + length / 2, y + length * 0.05f}, 1.0f + depth, {236, 242, 248},
                   0.7f);
    }
    for (int i = 0; i < 7; ++i) {
        const float depth = dice.between(0.1f, 1.0f);
        const float y = horizon + H * 0.03f + depth * (H - horizon - H * 0.05f);
        const float x = bank + dice.between(-0.5f, 0.5f) * (H * 0.2f + depth * W);
        const Colour scarf = i % 2 == 0 ? Colour{196, 40, 40} : Colour{236, 180, 40};
        skater(canvas, {x, y}, H * (0.06f + 0.2f * depth), dice.next() < 0.5f ? -1.0f : 1.0f, scarf);
    }
}

void drawFarm(Canvas& canvas, std::uint32_t seed, bool cows) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    sky(canvas, H * 0.62f, kSkyTop, kSkyLow);
    sun(canvas, {W * dice.between(0.7f, 0.9f), H * 0.14f}, H * 0.05f, {255, 240, 190});
    clouds(canvas, 0.3f, dice);
    hills(canvas, H * 0.56f, H * 0.04f, {132, 168, 118}, seed + 1);
    hills(canvas, H * 0.68f, H * 0.02f, {96, 150, 68}, seed + 2);
    const float left = W * dice.between(0.15f, 0.3f);
    const Box walls{left, H * 0.62f, left + H * 0.5f, H * 0.73f};
    const Point path[] = {{walls.right - H * 0.14f, walls.bottom},
                          {walls.right - H * 0.06f, walls.bottom},
                          {walls.right + H * 0.1f, H},
                          {walls.right - H * 0.3f, H}};
    fillPolygon(canvas, path, {196, 174, 128});
    tree(canvas, {left - H * 0.02f, H * 0.72f}, H * 0.3f, scaled(kLeaves, 0.9f), dice);
    farmhouse(canvas, walls, {150, 64, 48}, dice.next() < 0.5f ? Colour{150, 128, 84} : Colour{168, 70, 52});
    tree(canvas, {walls.right + H * 0.12f, H * 0.75f}, H * 0.42f, kLeaves, dice);
    fence(canvas, 0, W, H * 0.9f, H * 0.07f, {226, 222, 210});
    if (cows) {
        for (int i = 0; i < 3; ++i) {
            const float x = W * (0.18f + 0.28f * static_cast<float>(i)) + dice.between(-0.05f, 0.05f) * W;
            cow(canvas, {x, H * dice.between(0.8f, 0.86f)}, H * 0.11f, i % 2 == 0);
        }
    }
}

void drawWindmill(Canvas& canvas, std::uint32_t seed) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    const float horizon = H * 0.64f;
    sky(canvas, horizon, {92, 146, 204}, {214, 226, 232});
    clouds(canvas, 0.35f, dice);
    hills(canvas, horizon, H * 0.004f, {104, 152, 74}, seed);
    const Point ditch[] = {{W * 0.4f, horizon}, {W * 0.43f, horizon}, {W * 0.55f, H}, {W * 0.1f, H}};
    fillPolygon(canvas, ditch, {110, 150, 186});
    for (int i = 0; i < 4; ++i) {
        const float t = static_cast<float>(i) / 4.0f;
        tree(canvas, {W * (0.36f - 0.3f * t), horizon + H * (0.05f + 0.3f * t)}, H * (0.12f + 0.2f * t), kLeaves, dice);
    }
    const Point foot{W * 0.68f, horizon + H * 0.02f};
    const float height = H * 0.4f;
    const Point body[] = {{foot.x - height * 0.2f, foot.y},
                          {foot.x - height * 0.1f, foot.y - height},
                          {foot.x + height * 0.1f, foot.y - height},
                          {foot.x + height * 0.2f, foot.y}};
    fillPolygon(canvas, body, {70, 78, 66});
    fillRect(canvas, {foot.x - height * 0.05f, foot.y - height * 0.2f, foot.x + height * 0.05f, foot.y}, {40, 36, 32});
    const Point hub{foot.x, foot.y - height * 1.02f};
    fillEllipse(canvas, hub, height * 0.13f, height * 0.08f, {120, 54, 44});
    const float turn = dice.between(0.0f, 1.57f);
    for (int blade = 0; blade < 4; ++blade) {
        const float angle = turn + static_cast<float>(blade) * 1.5708f;
        const Point tip{hub.x + std::cos(angle) * height * 0.85f, hub.y + std::sin(angle) * height * 0.85f};
        strokeLine(canvas, hub, tip, height * 0.025f, {60, 50, 44});
        const Point side{-std::sin(angle) * height * 0.11f, std::cos(angle) * height * 0.11f};
        const Point a{hub.x + std::cos(angle) * height * 0.15f, hub.y + std::sin(angle) * height * 0.15f};
        const Point sail[] = {a, tip, {tip.x + side.x, tip.y + side.y}, {a.x + side.x, a.y + side.y}};
        fillPolygon(canvas, sail, {232, 224, 204}, 0.85f);
    }
    fillEllipse(canvas, hub, height * 0.03f, height * 0.03f, {40, 36, 32});
}

void drawTulips(Canvas& canvas, std::uint32_t seed) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    const float horizon = H * 0.46f;
    sky(canvas, horizon, kSkyTop, kSkyLow);
    clouds(canvas, 0.3f, dice);
    farmhouse(canvas, {W * 0.7f, horizon - H * 0.035f, W * 0.7f + H * 0.16f, horizon}, {150, 64, 48}, {168, 70, 52});
    for (float x = W * 0.05f; x < W * 0.6f; x += H * dice.between(0.04f, 0.08f)) {
        tree(canvas, {x, horizon + 1}, H * dice.between(0.08f, 0.12f), kLeaves, dice);
    }
    const Colour rows[] = {{214, 36, 42},   {246, 204, 40}, {236, 110, 160},
                           {244, 240, 232}, {150, 60, 150}, {240, 120, 30}};
    const float vanish = W * dice.between(0.35f, 0.65f);
    const Colour haze{150, 170, 140}, leaf{70, 120, 56};
    const float spread = 7.0f * (H - horizon) / W;  // about seven rows across the bottom edge
    paintBelow(
        canvas, [=](float) { return horizon; },
        [&](float x, float y) {
            const float depth = y - horizon + 1.0f;
            const float across = (x - vanish) / depth * spread;
            const float stripe = std::floor(across);
            const int row = static_cast<int>(stripe + 1000.0f) % 6;
            const bool flowers = across - stripe > 0.25f && noise(x, y, 1.0f + depth * 0.03f, seed) > 0.25f;
            const Colour near = flowers ? rows[row] : leaf;
            return mix(haze, near, std::clamp(depth / (H * 0.12f), 0.0f, 1.0f));
        });
}

void drawHeath(Canvas& canvas, std::uint32_t seed) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    const float horizon = H * 0.52f;
    sky(canvas, horizon, {110, 150, 200}, {232, 226, 214});
    clouds(canvas, 0.3f, dice);
    hills(canvas, horizon, H * 0.02f, {52, 84, 56}, seed);
    hills(canvas, horizon + H * 0.04f, H * 0.006f, {146, 96, 138}, seed + 1);
    const float bend = dice.between(-0.1f, 0.1f) * W;
    const Point path[] = {
        {W * 0.5f, horizon + H * 0.04f}, {W * 0.52f, horizon + H * 0.04f}, {W * 0.8f + bend, H}, {W * 0.3f + bend, H}};
    fillPolygon(canvas, path, {214, 196, 152});
    for (int i = 0; i < 6; ++i) {  // junipers, on either side of the path
        const float near = dice.between(0.1f, 1.0f);
        const float side = i % 2 == 0 ? dice.between(0.02f, 0.3f) : dice.between(0.75f, 0.98f);
        const Point foot{W * side, horizon + H * (0.06f + 0.3f * near)};
        const float height = H * (0.08f + 0.2f * near);
        fillEllipse(canvas, {foot.x, foot.y - height * 0.45f}, height * 0.16f, height * 0.45f, {40, 70, 46});
    }
    for (int i = 0; i < 3; ++i) {
        const Point foot{W * (0.08f + 0.1f * static_cast<float>(i)), H * (0.8f + 0.05f * static_cast<float>(i % 2))};
        birch(canvas, foot, H * dice.between(0.45f, 0.6f), dice);
    }
}

}  // namespace brinox::demo
