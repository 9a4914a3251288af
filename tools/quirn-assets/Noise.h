// Smooth value noise for the backdrops' clouds, washes and paper grain.
#pragma once

#include <cstdint>

namespace quirn::assets {

// In [0, 1]; smooth between integer lattice points, whose values come from the seed.
double valueNoise(double x, double y, std::uint32_t seed);

// Octaves of valueNoise, each at twice the frequency and half the weight, in [0, 1].
double fractalNoise(double x, double y, std::uint32_t seed, int octaves);

} // namespace quirn::assets
