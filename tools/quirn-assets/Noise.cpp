#include "Noise.h"

#include <cmath>

namespace quirn::assets {
namespace {

double latticeValue(std::int64_t ix, std::int64_t iy, std::uint32_t seed) {
    auto h = static_cast<std::uint64_t>(ix) * 0x8DA6B343ull ^
             static_cast<std::uint64_t>(iy) * 0xD8163841ull ^ std::uint64_t{seed} * 0xCB1AB31Full;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return static_cast<double>(h >> 11) * 0x1.0p-53;
}

// Quintic fade: no visible creases along the lattice lines.
double fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

double valueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double top = lerp(latticeValue(ix, iy, seed), latticeValue(ix + 1, iy, seed), tx);
    const double bottom =
        lerp(latticeValue(ix, iy + 1, seed), latticeValue(ix + 1, iy + 1, seed), tx);
    return lerp(top, bottom, ty);
}

double fractalNoise(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
        total += weight;
        weight *= 0.5;
        x *= 2;
        y *= 2;
    }
    return total > 0 ? sum / total : 0.0;
}

} // namespace quirn::assets
