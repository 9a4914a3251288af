// The colour of each board backdrop at a point: pure functions, rendered by Raster.
#pragma once

namespace quirn::assets {

// Linear mixes happen in these 0..1 sRGB values; good enough for soft gradients.
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

enum class Backdrop {
    RedGlow,   // red.jpg: a deep red glow behind yellow lines and white digits
    CoolBlue,  // blue.jpg: a cool night blue behind white lines and digits
    Wash,      // wash.jpg: a soft, darkish watercolour wash behind white lines and digits
    Parchment, // Mono.jpg: light grey parchment behind grey lines and dark grey digits
    Neutral,   // the board's default picture: a plain dark backdrop
};

// The window stretches a backdrop to its board, from 5 x 5 (0.65 as wide as high) to
// 7 x 12 (1.41): textures are drawn for the aspect between, so no board squeezes or
// widens them by more than half, and their grain runs along the rows, where a stretch
// keeps its look.
inline constexpr double kShownAspect = 0.96;

// (u, v) runs over [0, 1] x [0, 1], left to right and top to bottom, whatever the
// picture's size.
Rgb backdropColour(Backdrop backdrop, double u, double v);

} // namespace quirn::assets
