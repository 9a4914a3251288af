#include "Backdrops.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
Rgb add(Rgb a, Rgb b, double k) {
    return {a.r + b.r * k, a.g + b.g * k, a.b + b.b * k};
}
double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Fine grain a few pixels across: hides gradient banding without JPEG-hungry speckle.
double grain(double x, double y, unsigned seed) {
    return fractalNoise(x * 160, y * 160, seed, 2) - 0.5;
}

// Light falling from (cx, cy) in soft rays: noise over the angle, so each ray stays a
// ray however the picture is stretched.
double rays(double x, double y, double cx, double cy, unsigned seed, double count) {
    const double angle = std::atan2(y - cy, x - cx) / (2 * std::numbers::pi);
    const double a = fractalNoise(angle * count, 0.5, seed, 3);
    const double b = fractalNoise(angle * count * 2.3 + 17, 1.5, seed + 1, 2);
    return std::pow(smoothstep(0.35, 0.85, 0.6 * a + 0.4 * b), 1.6);
}

// A deep red chamber: a glow hanging above the middle, broad beams of it lighting
// drifting smoke, and the corners falling away into darkness.
Rgb redGlow(double u, double v, double x, double y) {
    const double dx = (u - 0.5) * 1.1;
    const double dy = v - 0.42;
    const double r2 = dx * dx + dy * dy;
    const double glow = std::exp(-r2 * 4.5);
    const double core = std::exp(-r2 * 22.0);
    Rgb c = mix({0.03, 0.0, 0.005}, {0.44, 0.03, 0.03}, glow);
    c = add(c, Rgb{0.12, 0.04, 0.015}, core);
    // Smoke in layers: near wisps over far haze.
    const double far = fractalNoise(x * 1.6, y * 2.4, 11, 5);
    const double near = fractalNoise(x * 4.0 + 9.0, y * 6.0, 14, 4);
    const double beams = rays(x, y, 0.5 * kShownAspect, 0.42, 12, 5);
    c = add(c, Rgb{0.12, 0.02, 0.012}, beams * glow * far);
    c = scale(c, 0.78 + 0.3 * far + 0.16 * smoothstep(0.5, 0.8, near));
    // Nearer the edges the chamber recedes: a dark rim gives the glow its depth.
    c = scale(c, 1.0 - 0.55 * smoothstep(0.3, 0.75, std::sqrt(dx * dx * 1.4 + dy * dy)));
    return add(c, grain(x, y, 13) * 0.018);
}

// Deep water: light from above in wavering shafts, paling the top, fading with depth.
Rgb coolBlue(double u, double v, double x, double y) {
    const double depth = smoothstep(0.0, 1.0, v);
    Rgb c = mix({0.09, 0.27, 0.52}, {0.01, 0.045, 0.14}, depth);
    const double shafts = rays(x, y, 0.35 * kShownAspect, -0.55, 21, 26);
    const double sway = fractalNoise(x * 1.5, y * 4.0, 22, 4);
    c = add(c, Rgb{0.07, 0.17, 0.24}, shafts * (1.0 - depth) * (0.6 + 0.8 * sway));
    // Ripples of light near the surface, long and flat as the surface is.
    const double ripple = fractalNoise(x * 5.0, y * 14.0, 23, 3);
    c = add(c, Rgb{0.03, 0.07, 0.08},
            smoothstep(0.55, 0.8, ripple) * (1.0 - smoothstep(0, 0.45, v)));
    // The far corners lie deeper still.
    const double dx = u - 0.5;
    c = scale(c, 1.0 - 0.3 * smoothstep(0.2, 0.5, std::abs(dx)) * (0.4 + 0.6 * v));
    return add(c, grain(x, y, 24) * 0.016);
}

// A watercolour laid on in broad washes across the sheet: each wash's edge wanders,
// neighbours bleed into each other, pigment gathers in a darker rim where one dried,
// and lighter blooms open inside.
Rgb wash(double, double v, double x, double y) {
    const Rgb indigo{0.19, 0.23, 0.44};
    const Rgb teal{0.12, 0.31, 0.39};
    const Rgb plum{0.30, 0.21, 0.38};
    const Rgb dusk{0.17, 0.26, 0.42};
    const Rgb washes[] = {indigo, teal, dusk, plum, indigo};
    // Uneven widths: where each wash ends, top to bottom.
    const double edges[] = {0.0, 0.17, 0.43, 0.62, 0.86, 1.2};
    const double wobble = 0.11 * (fractalNoise(x * 1.8, y * 0.7, 31, 4) - 0.5) +
                          0.035 * (fractalNoise(x * 8.0, y * 2.5, 32, 3) - 0.5);
    const double at = std::clamp(v + wobble, 0.0, 1.0);
    int band = 0;
    while (band < 4 && at >= edges[band + 1]) ++band;
    const double f = (at - edges[band]) / (edges[band + 1] - edges[band]);
    // Wet into wet: a wash bleeds a long way into the next one.
    Rgb c = mix(washes[band], washes[band + 1], smoothstep(0.45, 1.0, f));
    const double toEdge = (edges[band + 1] - at) / 0.012;
    c = scale(c, 1.0 - 0.08 * std::exp(-toEdge * toEdge));
    const double pool = fractalNoise(x * 2.5 + 3.1, y * 1.6 + 5.7, 33, 5);
    c = scale(c, 0.86 + 0.3 * smoothstep(0.4, 0.8, pool));
    const double granulation = fractalNoise(x * 40, y * 55, 34, 2) - 0.5;
    c = add(c, granulation * 0.03);
    // Cold-pressed paper: a faint tooth.
    return add(c, (fractalNoise(x * 70, y * 90, 35, 2) - 0.5) * 0.03);
}

// Laid paper: warm, faintly mottled, with the close laid lines and the wide chain
// lines of the mould, fibres along the sheet, and edges browned with age.
Rgb parchment(double u, double v, double x, double y) {
    Rgb c{0.885, 0.865, 0.815};
    const double mottle = fractalNoise(x * 3.0, y * 4.0, 41, 5);
    c = add(c, Rgb{0.06, 0.06, 0.075}, mottle - 0.5);
    const double laid = std::sin(y * 2 * std::numbers::pi * 90.0);
    c = add(c, 0.007 * laid);
    const double chain = std::cos((x / kShownAspect) * 2 * std::numbers::pi * 7.0);
    c = add(c, -0.012 * smoothstep(0.92, 1.0, chain));
    const double fibre = fractalNoise(x * 6, y * 60, 42, 3);
    c = add(c, (fibre - 0.5) * 0.035);
    // Age browns the edges and leaves a few faint foxing spots.
    const double dx = u - 0.5;
    const double dy = v - 0.5;
    const double edge = smoothstep(0.3, 0.72, std::sqrt(dx * dx + dy * dy));
    c = add(c, Rgb{-0.05, -0.08, -0.14}, edge);
    const double fox = smoothstep(0.78, 0.9, fractalNoise(x * 9, y * 9, 44, 3));
    c = add(c, Rgb{-0.02, -0.035, -0.06}, fox);
    return add(c, grain(x, y, 43) * 0.018);
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

Rgb backdropColour(Backdrop backdrop, double u, double v) {
    const double x = u * kShownAspect;
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
