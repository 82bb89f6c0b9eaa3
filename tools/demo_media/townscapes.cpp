// Streets, a canal side and a village church.

#include "demo_media/scenery.h"
#include "demo_media/scenes.h"

namespace brinox::demo {

namespace {

const Colour kWalls[] = {{150, 70, 52}, {122, 62, 48},   {214, 196, 160},
                         {176, 96, 62}, {104, 108, 118}, {226, 214, 190}};

Colour someWall(Dice& dice) { return kWalls[static_cast<int>(dice.next() * 6) % 6]; }

// Houses side by side from the left edge to the right, standing on `ground`.
void rowOfHouses(Canvas& canvas, float ground, float low, float high, float darkness, bool lit, Dice& dice) {
    const float H = canvas.h();
    for (float x = -H * 0.05f; x < canvas.w();) {
        const float width = H * dice.between(0.16f, 0.26f);
        const float height = H * dice.between(low, high);
        townHouse(canvas, {x, ground - height, x + width, ground}, scaled(someWall(dice), darkness), lit, dice);
        x += width;
    }
}

void streetLamp(Canvas& canvas, Point foot, float height) {
    strokeLine(canvas, foot, {foot.x, foot.y - height}, height * 0.03f, {30, 30, 34});
    const Point lamp{foot.x, foot.y - height * 1.03f};
    for (const float ring : {0.5f, 0.35f, 0.22f}) {
        fillEllipse(canvas, lamp, height * ring, height * ring, {255, 214, 140}, 0.12f);
    }
    fillEllipse(canvas, lamp, height * 0.06f, height * 0.06f, {255, 236, 190});
}

// The café's sign: three rings on a board, hung from a house front.
void innSign(Canvas& canvas, Point hook, float size) {
    strokeLine(canvas, hook, {hook.x + size, hook.y}, size * 0.05f, {30, 30, 34});
    const Box board{hook.x + size * 0.15f, hook.y + size * 0.08f, hook.x + size * 0.95f, hook.y + size * 0.5f};
    fillRect(canvas, board, {120, 34, 30});
    for (int i = 0; i < 3; ++i) {
        const Point centre{board.left + size * (0.18f + 0.22f * static_cast<float>(i)), (board.top + board.bottom) / 2};
        strokeEllipse(canvas, centre, size * 0.11f, size * 0.11f, size * 0.03f, {236, 196, 80});
    }
}

void stars(Canvas& canvas, float lowest, Dice& dice) {
    const int count = static_cast<int>(canvas.w() * canvas.h() / 4000.0f);
    for (int i = 0; i < count; ++i) {
        const float size = dice.between(0.6f, 1.6f);
        fillEllipse(canvas, {dice.next() * canvas.w(), dice.next() * lowest}, size, size, {250, 246, 220},
                    dice.between(0.4f, 1.0f));
    }
}

}  // namespace

void drawStreet(Canvas& canvas, std::uint32_t seed, bool evening) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    const float ground = H * 0.84f;
    if (evening) {
        sky(canvas, ground, {14, 20, 52}, {72, 66, 112});
        stars(canvas, H * 0.45f, dice);
        sun(canvas, {W * 0.8f, H * 0.14f}, H * 0.04f, {244, 238, 206});
    } else {
        sky(canvas, ground, {96, 148, 210}, {214, 228, 238});
        for (int i = 0; i < 3; ++i)
            cloud(canvas, {W * (0.15f + 0.35f * static_cast<float>(i)), H * 0.12f}, H * 0.06f, dice);
    }
    rowOfHouses(canvas, ground, 0.32f, 0.46f, evening ? 0.38f : 1.0f, evening, dice);
    const Colour cobbles = evening ? Colour{52, 50, 56} : Colour{142, 132, 122};
    paintBelow(
        canvas, [=](float) { return ground; },
        [=](float x, float y) { return mix(cobbles, scaled(cobbles, 0.8f), noise(x, y, H * 0.012f, seed)); });
    fillRect(canvas, {0, ground, W, ground + H * 0.025f}, scaled(cobbles, 1.2f));
    if (evening) {
        streetLamp(canvas, {W * 0.22f, ground + H * 0.02f}, H * 0.3f);
        streetLamp(canvas, {W * 0.78f, ground + H * 0.02f}, H * 0.3f);
        innSign(canvas, {W * 0.45f, ground - H * 0.26f}, H * 0.18f);
    } else {
        tree(canvas, {W * 0.62f, ground + H * 0.04f}, H * 0.35f, {80, 130, 60}, dice);
    }
}

void drawWaterfront(Canvas& canvas, std::uint32_t seed) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    const float quay = H * 0.6f, water = quay + H * 0.05f;
    sky(canvas, quay, {104, 156, 214}, {226, 230, 236});
    for (int i = 0; i < 3; ++i) cloud(canvas, {W * (0.2f + 0.3f * static_cast<float>(i)), H * 0.1f}, H * 0.05f, dice);
    rowOfHouses(canvas, quay, 0.3f, 0.48f, 1.0f, false, dice);
    fillRect(canvas, {0, quay, W, water}, {150, 140, 126});
    const Colour river{56, 86, 104};
    for (int y = static_cast<int>(water); y < canvas.height(); ++y) {
        const float depth = (static_cast<float>(y) - water) / (H - water);
        const int from = std::max(0, static_cast<int>(2 * water) - y - 1);
        const int shift = static_cast<int>(std::lround(std::sin(static_cast<float>(y) * 0.35f) * H * 0.006f));
        for (int x = 0; x < canvas.width(); ++x) {
            const int sx = std::clamp(x + shift, 0, canvas.width() - 1);
            canvas.put(x, y, mix(canvas.pixel(sx, from), river, 0.4f + 0.25f * depth));
        }
    }
}

void drawChurch(Canvas& canvas, std::uint32_t seed) {
    Dice dice(seed);
    const float W = canvas.w(), H = canvas.h();
    const float ground = H * 0.72f;
    sky(canvas, ground, {98, 150, 208}, {220, 230, 238});
    for (int i = 0; i < 2; ++i) cloud(canvas, {W * (0.55f + 0.3f * static_cast<float>(i)), H * 0.14f}, H * 0.07f, dice);
    hills(canvas, ground, H * 0.01f, {98, 146, 72}, seed);
    const Point foot{W * 0.32f, ground + H * 0.02f};
    tree(canvas, {W * 0.1f, ground + H * 0.03f}, H * 0.45f, {72, 124, 58}, dice);
    church(canvas, foot, H * 0.62f, {172, 112, 86});
    tree(canvas, {W * 0.88f, ground + H * 0.05f}, H * 0.5f, {64, 116, 54}, dice);
    const Point path[] = {
        {foot.x - H * 0.03f, foot.y}, {foot.x + H * 0.03f, foot.y}, {foot.x + H * 0.12f, H}, {foot.x - H * 0.12f, H}};
    fillPolygon(canvas, path, {196, 180, 146});
    for (int i = 0; i < 5; ++i) {
        const float x = W * (0.55f + 0.08f * static_cast<float>(i)),
                    y = ground + H * (0.1f + 0.04f * static_cast<float>(i % 2));
        fillRect(canvas, {x, y - H * 0.05f, x + H * 0.04f, y}, {150, 150, 146});
        fillEllipse(canvas, {x + H * 0.02f, y - H * 0.05f}, H * 0.02f, H * 0.015f, {150, 150, 146});
    }
}

}  // namespace brinox::demo
