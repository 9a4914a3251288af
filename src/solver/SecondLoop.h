// Cheap proofs that a puzzle has a second loop besides a known one, near a given square:
// the loop with a few squares turned inside out, or any loop that differs from it only
// near the square. Finding none proves nothing.
#pragma once

#include "solver/Solver.h"

namespace quirn::solver {

// Squares turned inside out at most.
inline constexpr int kFlipSquares = 3;
// Squares from the given one (in rows and columns) whose sides may differ from the loop.
inline constexpr int kSecondLoopReach = 2;

class SecondLoop {
  public:
    // `loop` solves `p`; p's clues may change between calls (the generator takes them away).
    SecondLoop(const Puzzle& p, const State& loop);

    // Whether a loop other than the known one agrees with every clue, found by turning up
    // to kFlipSquares connected squares, at or beside `square`, inside out: quick.
    bool flipFound(int square);
    // The same by the exact sweep with every side beyond kSecondLoopReach of `square`
    // fixed to the known loop: slower, and finds more.
    bool sweepFound(int square) const;

  private:
    int neighbours(int x, int* out) const;
    int colour(int x) const { return x < 0 ? 0 : inside_[x] ^ flip_[x]; }
    bool clueHolds(int x) const;
    bool isLoop(int size) const;
    bool grow(int size);

    const Grid& g_;
    const Puzzle& p_;
    const State& loop_;
    std::array<uint8_t, kMaxCells> inside_{};
    std::array<uint8_t, kMaxCells> flip_{};
    std::array<int, kFlipSquares> cells_{};
};

} // namespace quirn::solver
