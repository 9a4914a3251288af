// What makes a level look good to a player, measured: how much of the board the loop
// covers, how many clues there are and of which digits, and which levels are the same up to
// rotation and reflection.
#pragma once

#include "solver/Solver.h"

#include <string>

namespace quirn::solver {

// Clues between these shares of the block's squares; 3s at least, 0s at most these shares
// of the clues.
inline constexpr double kMinClueShare = 0.35;
inline constexpr double kMaxClueShare = 0.50;
inline constexpr double kMinThreeShare = 0.2;
inline constexpr double kMaxZeroShare = 0.125;

struct ClueCounts {
    int clues = 0;
    std::array<int, 4> digit{}; // clues of each digit 0..3
};
ClueCounts countClues(const Grid& g, const Puzzle& p);
// Whether the clue count and its 3s and 0s keep to the shares above.
bool cluesLookGood(const Grid& g, const ClueCounts& counts);

// The clues of every square, from the loop.
Puzzle allClues(SizeClass size, const State& loop);

// A text the same for two loops (or clue sets) exactly when one is the other rotated or
// reflected within the block.
std::string loopKey(const Grid& g, const State& loop);
std::string clueKey(const Grid& g, const Puzzle& p);

} // namespace quirn::solver
