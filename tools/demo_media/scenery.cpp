#include "demo_media/scenery.h"

#include <tuple>
#include <vector>

namespace brinox::demo {

namespace {

constexpr Colour kWhite{246, 244, 238};
constexpr Colour kGlass{58, 68, 82};
constexpr Colour kLamp{255, 212, 118};

void window(Canvas& canvas, Box box, bool lit) {
    const float frame = std::max(1.0f, (box.right - box.left) * 0.12f);
    fillRect(canvas, box, kWhite);
    fillRect(canvas, {box.left + frame, box.top + frame, box.right - frame, box.bottom - frame}, lit ? kLamp : kGlass);
    const float midX = (box.left + box.right) / 2, midY = (box.top + box.bottom) / 2;
    strokeLine(canvas, {midX, box.top}, {midX, box.bottom}, frame * 0.7f, kWhite);
    strokeLine(canvas, {box.left, midY}, {box.right, midY}, frame * 0.7f, kWhite);
}

// The outline of a stepped gable over the walls' top edge, left to right.
std::vector<Point> steppedGable(Box walls, int steps, float stepHeight) {
    const float stepWidth = (walls.right - walls.left) / static_cast<float>(2 * steps + 1);
    std::vector<Point> outline{{walls.left, walls.top}};
    for (int i = 0; i < steps; ++i) {
        const float y = walls.top - static_cast<float>(i + 1) * stepHeight;
        outline.push_back({walls.left + static_cast<float>(i) * stepWidth, y});
        outline.push_back({walls.left + static_cast<float>(i + 1) * stepWidth, y});
    }
    const float crown = walls.top - static_cast<float>(steps + 1) * stepHeight;
    outline.push_back({walls.left + static_cast<float>(steps) * stepWidth, crown});
    outline.push_back({walls.right - static_cast<float>(steps) * stepWidth, crown});
    for (int i = steps - 1; i >= 0; --i) {
        const float y = walls.top - static_cast<float>(i + 1) * stepHeight;
        outline.push_back({walls.right - static_cast<float>(i + 1) * stepWidth, y});
        outline.push_back({walls.right - static_cast<float>(i) * stepWidth, y});
    }
    outline.push_back({walls.right, walls.top});
    return outline;
}

}  // namespace

void sky(Canvas& canvas, float horizon, Colour top, Colour low) {
    verticalGradient(canvas, 0, horizon, top, low);
    verticalGradient(canvas, horizon, canvas.h(), low, low);  // behind land whose edge dips below the horizon
}

void sun(Canvas& canvas, Point centre, float radius, Colour colour) {
    for (const float ring : {3.2f, 2.6f, 2.1f, 1.7f, 1.4f, 1.2f}) {
        fillEllipse(canvas, centre, radius * ring, radius * ring, colour, 0.07f);
    }
    fillEllipse(canvas, centre, radius, radius, colour);
}

void cloud(Canvas& canvas, Point centre, float size, Dice& dice) {
    fillEllipse(canvas, {centre.x, centre.y + size * 0.16f}, size * 1.1f, size * 0.26f, {226, 230, 236}, 0.6f);
    const int puffs = 5 + static_cast<int>(dice.next() * 3);
    for (int i = 0; i < puffs; ++i) {
        const float radius = dice.between(0.3f, 0.55f) * size;
        const Point at{centre.x + dice.between(-0.85f, 0.85f) * size, centre.y - dice.between(0.0f, 0.25f) * size};
        fillEllipse(canvas, at, radius, radius * 0.72f, {250, 250, 252}, 0.9f);
    }
}

void hills(Canvas& canvas, float level, float wave, Colour colour, std::uint32_t seed) {
    Dice dice(seed);
    const float phase1 = dice.between(0, 6.28f), phase2 = dice.between(0, 6.28f);
    const float span = canvas.h() * 1.4f;
    paintBelow(
        canvas,
        [=](float x) {
            return level -
                   wave * (0.6f * std::sin(x / span * 6.28f + phase1) + 0.4f * std::sin(x / span * 15.0f + phase2));
        },
        [=](float x, float y) { return mix(colour, scaled(colour, 0.82f), noise(x, y, canvas.h() * 0.06f, seed)); });
}

void tree(Canvas& canvas, Point foot, float height, Colour leaves, Dice& dice) {
    const float trunk = height * 0.07f;
    fillRect(canvas, {foot.x - trunk / 2, foot.y - height * 0.55f, foot.x + trunk / 2, foot.y}, {88, 62, 42});
    const Point crown{foot.x, foot.y - height * 0.66f};
    const float radius = height * 0.3f;
    for (const auto& [shade, lift, count] : {std::tuple{0.72f, -0.1f, 5}, {1.0f, 0.05f, 6}, {1.18f, 0.25f, 4}}) {
        for (int i = 0; i < count; ++i) {
            const float r = radius * dice.between(0.45f, 0.65f);
            const Point at{crown.x + dice.between(-0.6f, 0.6f) * radius - lift * radius * 0.6f,
                           crown.y + dice.between(-0.5f, 0.5f) * radius - lift * radius};
            fillEllipse(canvas, at, r, r * 0.92f, scaled(leaves, shade));
        }
    }
}

void farmhouse(Canvas& canvas, Box walls, Colour wall, Colour roof) {
    const float w = walls.right - walls.left, h = walls.bottom - walls.top;
    fillRect(canvas, walls, wall);
    const Point roofOutline[] = {{walls.left - 0.05f * w, walls.top + 0.05f * h},
                                 {walls.left + 0.18f * w, walls.top - 1.3f * h},
                                 {walls.right - 0.18f * w, walls.top - 1.3f * h},
                                 {walls.right + 0.05f * w, walls.top + 0.05f * h}};
    fillRect(canvas, {walls.left + 0.25f * w, walls.top - 1.55f * h, walls.left + 0.31f * w, walls.top - h},
             {120, 52, 40});
    fillPolygon(canvas, roofOutline, roof);
    for (int i = 0; i < 3; ++i) {
        const float left = walls.left + (0.08f + 0.17f * static_cast<float>(i)) * w;
        window(canvas, {left, walls.top + 0.3f * h, left + 0.1f * w, walls.top + 0.75f * h}, false);
    }
    const Colour green{46, 94, 62};
    fillRect(canvas, {walls.right - 0.3f * w, walls.top + 0.15f * h, walls.right - 0.08f * w, walls.bottom}, green);
    strokeLine(canvas, {walls.right - 0.19f * w, walls.top + 0.15f * h}, {walls.right - 0.19f * w, walls.bottom},
               0.01f * w, kWhite);
}

void townHouse(Canvas& canvas, Box walls, Colour wall, bool lit, Dice& dice) {
    const float w = walls.right - walls.left, h = walls.bottom - walls.top;
    const int steps = 2 + static_cast<int>(dice.next() * 2);
    fillRect(canvas, walls, wall);
    fillPolygon(canvas, steppedGable(walls, steps, h * 0.13f), wall);
    const int columns = w > h * 0.55f ? 3 : 2;
    const float pane = w / static_cast<float>(2 * columns + 1);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < columns; ++column) {
            const float left = walls.left + pane * static_cast<float>(2 * column + 1);
            const float top = walls.top - h * 0.22f + h * 0.3f * static_cast<float>(row);
            const bool door = row == 2 && column == 0;
            const Box box{left, top, left + pane, door ? walls.bottom : top + h * 0.2f};
            if (door)
                fillRect(canvas, box, {70, 48, 36});
            else
                window(canvas, box, lit && dice.next() < 0.7f);
        }
    }
}

void church(Canvas& canvas, Point foot, float height, Colour stone) {
    const float tower = height * 0.2f;
    const Colour slate{62, 70, 82};
    const Box nave{foot.x, foot.y - height * 0.32f, foot.x + height * 0.75f, foot.y};
    fillRect(canvas, nave, scaled(stone, 0.92f));
    const Point naveRoof[] = {{nave.left, nave.top},
                              {nave.left + height * 0.08f, nave.top - height * 0.16f},
                              {nave.right - height * 0.08f, nave.top - height * 0.16f},
                              {nave.right, nave.top}};
    fillPolygon(canvas, naveRoof, slate);
    for (int i = 0; i < 4; ++i) {
        const float left = nave.left + height * (0.2f + 0.14f * static_cast<float>(i));
        fillRect(canvas, {left, nave.top + height * 0.08f, left + height * 0.05f, nave.bottom - height * 0.06f},
                 kGlass);
        fillEllipse(canvas, {left + height * 0.025f, nave.top + height * 0.08f}, height * 0.025f, height * 0.025f,
                    kGlass);
    }
    fillRect(canvas, {foot.x - tower / 2, foot.y - height * 0.68f, foot.x + tower / 2, foot.y}, stone);
    const Point spire[] = {{foot.x - tower * 0.55f, foot.y - height * 0.68f},
                           {foot.x, foot.y - height},
                           {foot.x + tower * 0.55f, foot.y - height * 0.68f}};
    fillPolygon(canvas, spire, slate);
    const Point clock{foot.x, foot.y - height * 0.56f};
    fillEllipse(canvas, clock, tower * 0.28f, tower * 0.28f, kWhite);
    strokeLine(canvas, clock, {clock.x, clock.y - tower * 0.22f}, tower * 0.04f, slate);
    strokeLine(canvas, clock, {clock.x + tower * 0.15f, clock.y}, tower * 0.04f, slate);
    fillRect(canvas, {foot.x - tower * 0.18f, foot.y - height * 0.2f, foot.x + tower * 0.18f, foot.y}, {70, 48, 36});
}

void fence(Canvas& canvas, float left, float right, float ground, float height, Colour wood) {
    for (float x = left; x <= right; x += height * 0.9f) {
        fillRect(canvas, {x, ground - height, x + height * 0.08f, ground}, wood);
    }
    for (const float rail : {0.3f, 0.75f}) {
        fillRect(canvas, {left, ground - height * rail, right, ground - height * rail + height * 0.07f}, wood);
    }
}

void cow(Canvas& canvas, Point foot, float size, bool facingLeft) {
    const float side = facingLeft ? -1.0f : 1.0f;
    const Colour white{238, 236, 228}, black{34, 32, 30};
    const Point body{foot.x, foot.y - size * 0.55f};
    for (const float leg : {-0.38f, -0.22f, 0.22f, 0.36f}) {
        fillRect(canvas, {foot.x + leg * size, body.y, foot.x + (leg + 0.07f) * size, foot.y}, leg < 0 ? black : white);
    }
    fillEllipse(canvas, body, size * 0.5f, size * 0.24f, white);
    const float rx = size * 0.5f, ry = size * 0.24f;
    fill(
        canvas, {body.x - rx, body.y - ry, body.x + rx, body.y + ry},
        [=](float x, float y) {
            const float dx = (x - body.x) / rx, dy = (y - body.y) / ry;
            const float px = (x - body.x + side * size * 0.15f) / (size * 0.2f),
                        py = (y - body.y + size * 0.1f) / (size * 0.16f);
            return dx * dx + dy * dy <= 1.0f && px * px + py * py <= 1.0f;
        },
        black);
    const Point head{body.x + side * size * 0.55f, body.y - size * 0.12f};
    fillEllipse(canvas, head, size * 0.14f, size * 0.12f, black);
    fillEllipse(canvas, {head.x + side * size * 0.06f, head.y + size * 0.07f}, size * 0.07f, size * 0.05f,
                {214, 170, 160});
}

void sailboat(Canvas& canvas, Point waterline, float size, Colour sail) {
    const float x = waterline.x, y = waterline.y;
    const Point hull[] = {{x - 0.5f * size, y - 0.12f * size},
                          {x + 0.5f * size, y - 0.12f * size},
                          {x + 0.36f * size, y},
                          {x - 0.38f * size, y}};
    fillPolygon(canvas, hull, {72, 46, 34});
    strokeLine(canvas, {x, y - 0.1f * size}, {x, y - 1.1f * size}, 0.025f * size, {72, 46, 34});
    const Point main[] = {{x + 0.03f * size, y - 1.05f * size},
                          {x + 0.03f * size, y - 0.18f * size},
                          {x + 0.44f * size, y - 0.18f * size}};
    const Point jib[] = {{x - 0.03f * size, y - 0.95f * size},
                         {x - 0.46f * size, y - 0.17f * size},
                         {x - 0.03f * size, y - 0.17f * size}};
    fillPolygon(canvas, main, sail);
    fillPolygon(canvas, jib, scaled(sail, 0.9f));
    fillEllipse(canvas, {x, y + 0.06f * size}, 0.45f * size, 0.05f * size, {20, 40, 60}, 0.25f);
}

void gull(Canvas& canvas, Point centre, float span) {
    const Colour grey{70, 74, 80};
    const float width = std::max(1.2f, span * 0.07f);
    for (const float side : {-1.0f, 1.0f}) {
        const Point elbow{centre.x + side * span * 0.22f, centre.y - span * 0.14f};
        strokeLine(canvas, centre, elbow, width, grey);
        strokeLine(canvas, elbow, {centre.x + side * span * 0.5f, centre.y - span * 0.02f}, width * 0.8f, grey);
    }
}

}  // namespace brinox::demo
