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

// (u, v) runs over [0, 1] x [0, 1], left to right and top to bottom; aspect is width /
// height, so the texture keeps its shape on any picture size.
Rgb backdropColour(Backdrop backdrop, double u, double v, double aspect);

} // namespace quirn::assets
