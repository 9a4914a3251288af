#include "Backdrops.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace quirn::assets {
namespace {

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb scale(Rgb c, double k) {
    return {c.r * k, c.g * k, c.b * k};
}
Rgb add(Rgb c, double d) {
    return {c.r + d, c.g + d, c.b + d};
}
double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Fine grain a few pixels across: hides gradient banding without JPEG-hungry speckle.
double grain(double x, double y, unsigned seed) {
    return fractalNoise(x * 160, y * 160, seed, 2) - 0.5;
}

Rgb redGlow(double u, double v, double x, double y) {
    const double dx = (u - 0.5) * 1.25;
    const double dy = v - 0.45;
    const double glow = std::exp(-(dx * dx + dy * dy) * 4.5);
    Rgb c = mix({0.09, 0.008, 0.01}, {0.58, 0.05, 0.035}, glow);
    const double cloud = fractalNoise(x * 2.2, y * 2.2, 11, 5);
    c = scale(c, 0.82 + 0.36 * cloud);
    return add(c, grain(x, y, 12) * 0.02);
}

Rgb coolBlue(double u, double v, double x, double y) {
    Rgb c = mix({0.07, 0.20, 0.42}, {0.02, 0.06, 0.17}, smoothstep(0.0, 1.0, 0.55 * v + 0.45 * u));
    // Soft diagonal light, like sky through glass: stretched noise along one direction.
    const double along = (x + y) * 0.7;
    const double across = (x - y) * 4.0;
    const double band = fractalNoise(along, across, 21, 3);
    c = add(c, (band - 0.5) * 0.06);
    c = mix(c, {0.10, 0.28, 0.52},
            0.18 * smoothstep(0.55, 0.9, fractalNoise(x * 1.5, y * 1.5, 22, 4)));
    return add(c, grain(x, y, 23) * 0.018);
}

Rgb wash(double, double, double x, double y) {
    // Domain warp: pigment pools follow a wandering flow, not the noise lattice.
    const double wx = x * 1.6 + 0.9 * fractalNoise(x * 1.2, y * 1.2, 31, 4);
    const double wy = y * 1.6 + 0.9 * fractalNoise(x * 1.2 + 7.3, y * 1.2 - 2.1, 32, 4);
    const double a = fractalNoise(wx, wy, 33, 5);
    const double b = fractalNoise(wx + 3.1, wy + 5.7, 34, 5);
    const Rgb indigo{0.20, 0.24, 0.45};
    const Rgb teal{0.11, 0.33, 0.40};
    const Rgb plum{0.33, 0.21, 0.39};
    Rgb c = mix(indigo, teal, smoothstep(0.35, 0.65, a));
    c = mix(c, plum, 0.7 * smoothstep(0.5, 0.75, b));
    // Pigment gathers at the edge of a drying pool: a thin darker rim along a contour.
    const double rim = std::exp(-std::pow((a - 0.52) / 0.035, 2));
    c = scale(c, 1.0 - 0.09 * rim);
    // Lighter blooms where the water carried the pigment away.
    c = scale(c, 0.9 + 0.25 * smoothstep(0.45, 0.8, b));
    // Cold-pressed paper: a faint tooth.
    return add(c, (fractalNoise(x * 60, y * 60, 35, 2) - 0.5) * 0.035);
}

Rgb parchment(double u, double v, double x, double y) {
    Rgb c{0.86, 0.85, 0.82};
    const double blotch = fractalNoise(x * 2.5, y * 2.5, 41, 5);
    c = add(c, (blotch - 0.5) * 0.07);
    // Fibres lie mostly one way.
    const double fibre = fractalNoise(x * 3, y * 28, 42, 4);
    c = add(c, (fibre - 0.5) * 0.02);
    const double dx = u - 0.5;
    const double dy = v - 0.5;
    const double vignette = smoothstep(0.25, 0.75, std::sqrt(dx * dx + dy * dy));
    c = scale(c, 1.0 - 0.13 * vignette);
    return add(c, grain(x, y, 43) * 0.02);
}

Rgb neutral(double u, double v, double x, double y) {
    const double dx = (u - 0.5) * 1.2;
    const double dy = v - 0.45;
    const double light = std::exp(-(dx * dx + dy * dy) * 3.0);
    const Rgb c = mix({0.06, 0.06, 0.07}, {0.17, 0.17, 0.185}, light);
    return add(c, grain(x, y, 51) * 0.012);
}

double clamp01(double x) {
    return std::clamp(x, 0.0, 1.0);
}

} // namespace

Rgb backdropColour(Backdrop backdrop, double u, double v, double aspect) {
    const double x = u * aspect;
    const double y = v;
    Rgb c;
    switch (backdrop) {
    case Backdrop::RedGlow:
        c = redGlow(u, v, x, y);
        break;
    case Backdrop::CoolBlue:
        c = coolBlue(u, v, x, y);
        break;
    case Backdrop::Wash:
        c = wash(u, v, x, y);
        break;
    case Backdrop::Parchment:
        c = parchment(u, v, x, y);
        break;
    case Backdrop::Neutral:
        c = neutral(u, v, x, y);
        break;
    }
    return {clamp01(c.r), clamp01(c.g), clamp01(c.b)};
}

} // namespace quirn::assets
