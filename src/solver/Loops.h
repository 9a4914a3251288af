// Random loops as a puzzle author draws them: the border of a region grown in thin arms over
// the whole block, so the loop winds through every part of the board with corners and runs.
#pragma once

#include "solver/Random.h"
#include "solver/Solver.h"

namespace quirn::solver {

// What a loop must reach to make a level: at least this share of the block's segments, at
// most this share of its squares untouched, at most this share of its length on the
// block's border.
inline constexpr double kMinLoopShare = 0.45;
inline constexpr double kMaxUntouchedShare = 0.10;
inline constexpr double kMaxBorderShare = 0.5;

// Shares of a loop (a state whose kOn edges are the loop).
double loopShare(const Grid& g, const State& loop);      // of the block's segments
double untouchedShare(const Grid& g, const State& loop); // of its squares: no side on the loop
double borderShare(const Grid& g, const State& loop);    // of the loop on the block's border

// A random single loop meeting the shares above. The region it encloses grows one square
// at a time, each touching it on one side only (a square touching it on more sides is taken
// with chance `plump`), until no square can join without closing a hole or meeting the
// region at a corner only. Plumper regions leave more squares untouched.
State randomLoop(SizeClass size, Rng& rng, double plump = 0.0);

} // namespace quirn::solver
