// A small portable PRNG (splitmix64 seeding xoshiro256**): the same numbers on every
// standard library, so a generator seed always makes the same levels.
#pragma once

#include <array>
#include <cstdint>

namespace quirn::solver {

inline uint64_t splitmix64(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class Rng {
  public:
    explicit Rng(uint64_t seed) {
        for (auto& word : s_) word = splitmix64(seed);
    }
    uint64_t next() {
        const uint64_t result = rotl(s_[1] * 5, 7) * 9;
        const uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return result;
    }
    // 0 <= result < n, n > 0.
    int below(int n) { return static_cast<int>((next() >> 11) % static_cast<uint64_t>(n)); }
    // [0, 1)
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

  private:
    static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::array<uint64_t, 4> s_{};
};

} // namespace quirn::solver
