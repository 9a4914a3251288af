// Exact loop counting by sweeping the block's edges column by column. The state on the
// sweep front is how the path ends there pair up, plus how many sides each half-swept
// clue still needs; its size is bounded by the block's height, so unlike a search it
// cannot run away on a board with large clue-free areas.
#pragma once

#include "solver/Solver.h"

#include <vector>

namespace quirn::solver {

struct FrontierResult {
    int count = 0;                // loops found, at most cap
    std::vector<State> solutions; // the first `keep` of them
    long states = 0;              // front states stored over the whole sweep
    bool aborted = false;         // stateLimit reached: nothing is known
};

// Counts the single loops agreeing with the clues and with every decided edge of `known`.
// stateLimit > 0 gives up (aborted) once that many front states are stored.
FrontierResult frontierCount(const Puzzle& puzzle, const State& known, int cap, int keep,
                             long stateLimit);

} // namespace quirn::solver
