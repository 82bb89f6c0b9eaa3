#pragma once

// The pieces the demo landscapes are put together from. Sizes are in pixels
// and given by the caller, so one piece serves a thumbnail-sized photo and a
// large one alike.

#include "demo_media/canvas.h"

namespace brinox::demo {

// Sky from `top` colour at the top edge to `low` colour at the horizon.
void sky(Canvas& canvas, float horizon, Colour top, Colour low);
void sun(Canvas& canvas, Point centre, float radius, Colour colour);
void cloud(Canvas& canvas, Point centre, float size, Dice& dice);
// Rolling land: everything below a wavy line around `level`, shaded by noise.
void hills(Canvas& canvas, float level, float wave, Colour colour, std::uint32_t seed);

void tree(Canvas& canvas, Point foot, float height, Colour leaves, Dice& dice);
// A low farmhouse with a steep roof on the walls in `walls`.
void farmhouse(Canvas& canvas, Box walls, Colour wall, Colour roof);
// A town house with a stepped gable; `lit` gives yellow windows for the evening.
void townHouse(Canvas& canvas, Box walls, Colour wall, bool lit, Dice& dice);
// A tower of `height` standing at `foot` with its nave to the right.
void church(Canvas& canvas, Point foot, float height, Colour stone);
void fence(Canvas& canvas, float left, float right, float ground, float height, Colour wood);
void cow(Canvas& canvas, Point foot, float size, bool facingLeft);
void sailboat(Canvas& canvas, Point waterline, float size, Colour sail);
void gull(Canvas& canvas, Point centre, float span);

}  // namespace brinox::demo
