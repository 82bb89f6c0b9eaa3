#pragma once

// Whole demo pictures: painted scenes, a portrait silhouette, the look of an
// old print, and the neutral placeholder of the photo album.

#include <cstdint>
#include <string_view>

#include "demo_media/canvas.h"

namespace brinox::demo {

enum class Scene {
    Portrait,
    Farm,
    Pasture,     // the farm with cows in front
    Village,     // a street of gabled houses by day
    Evening,     // the same street at night, windows lit
    Waterfront,  // tall gables mirrored in a canal
    Church,
    Windmill,
    Tulips,
    Heath,
    Ice,    // skaters on a frozen canal in the snow
    Sea,    // open water with a sailing ship
    Beach,  // with a sand castle
    Dunes,
};

// Who sits for a portrait: the name picks the background colour, `old` gives
// an oval mount and period hair.
struct Sitter {
    std::string_view name;
    bool female = false;
    bool old = false;
};

// Paints `scene` over the whole canvas; `seed` varies the details.
void drawScene(Canvas& canvas, Scene scene, const Sitter& sitter, std::uint32_t seed);

enum class Look {
    Colour,  // as painted, with a soft vignette
    Faded,   // a mid-century print: paler, warmer, a white border
    Sepia,   // a 19th-century print: brown tones, stains, a cream border
};

void applyLook(Canvas& canvas, Look look, std::uint32_t seed);

// Light grey with a thin frame and the outline of a camera.
void drawPlaceholder(Canvas& canvas);

// Scene painters, one per kind, shared by drawScene.
void drawPortrait(Canvas& canvas, const Sitter& sitter, std::uint32_t seed);
void drawFarm(Canvas& canvas, std::uint32_t seed, bool cows);
void drawWindmill(Canvas& canvas, std::uint32_t seed);
void drawTulips(Canvas& canvas, std::uint32_t seed);
void drawHeath(Canvas& canvas, std::uint32_t seed);
void drawIce(Canvas& canvas, std::uint32_t seed);
void drawStreet(Canvas& canvas, std::uint32_t seed, bool evening);
void drawWaterfront(Canvas& canvas, std::uint32_t seed);
void drawChurch(Canvas& canvas, std::uint32_t seed);
void drawCoast(Canvas& canvas, std::uint32_t seed, Scene kind);

}  // namespace brinox::demo
