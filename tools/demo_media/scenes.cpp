#include "demo_media/scenes.h"

namespace brinox::demo {

void drawScene(Canvas& canvas, Scene scene, const Sitter& sitter, std::uint32_t seed) {
    switch (scene) {
        case Scene::Portrait:
            drawPortrait(canvas, sitter, seed);
            break;
        case Scene::Farm:
            drawFarm(canvas, seed, false);
            break;
        case Scene::Pasture:
            drawFarm(canvas, seed, true);
            break;
        case Scene::Village:
            drawStreet(canvas, seed, false);
            break;
        case Scene::Evening:
            drawStreet(canvas, seed, true);
            break;
        case Scene::Waterfront:
            drawWaterfront(canvas, seed);
            break;
        case Scene::Church:
            drawChurch(canvas, seed);
            break;
        case Scene::Windmill:
            drawWindmill(canvas, seed);
            break;
        case Scene::Tulips:
            drawTulips(canvas, seed);
            break;
        case Scene::Heath:
            drawHeath(canvas, seed);
            break;
        case Scene::Ice:
            drawIce(canvas, seed);
            break;
        case Scene::Sea:
        case Scene::Beach:
        case Scene::Dunes:
            drawCoast(canvas, seed, scene);
            break;
    }
}

void drawPlaceholder(Canvas& canvas) {
    const float W = canvas.w(), H = canvas.h();
    const Colour line{150, 150, 150}, outline{168, 168, 168};
    fillRect(canvas, {0, 0, W, H}, {226, 226, 226});
    for (const Box edge : {Box{0, 0, W, 1}, Box{0, H - 1, W, H}, Box{0, 0, 1, H}, Box{W - 1, 0, W, H}}) {
        fillRect(canvas, edge, line);
    }
    const Box body{W * 0.31f, H * 0.36f, W * 0.69f, H * 0.72f};
    const float stroke = std::max(1.5f, H * 0.02f);
    const Point corners[] = {{body.left, body.top},     {W * 0.42f, body.top},   {W * 0.45f, H * 0.29f},
                             {W * 0.55f, H * 0.29f},    {W * 0.58f, body.top},   {body.right, body.top},
                             {body.right, body.bottom}, {body.left, body.bottom}};
    for (std::size_t i = 0; i < std::size(corners); ++i) {
        strokeLine(canvas, corners[i], corners[(i + 1) % std::size(corners)], stroke, outline);
    }
    const Point lens{W * 0.5f, (body.top + body.bottom) / 2};
    strokeEllipse(canvas, lens, H * 0.12f, H * 0.12f, stroke, outline);
    strokeEllipse(canvas, lens, H * 0.06f, H * 0.06f, stroke * 0.8f, outline);
    fillRect(canvas, {W * 0.6f, H * 0.41f, W * 0.65f, H * 0.45f}, outline);
}

}  // namespace brinox::demo
