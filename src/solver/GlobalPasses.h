// The tricky grade's passes, which look at the whole board at once. Each decides what it can and
// says whether it found anything.
#pragma once

#include "solver/Solver.h"

namespace quirn::solver {

enum class PassResult { Stuck, Progress, Contradiction };

// Tricky: the loop splits the squares into inside and outside (beyond the block is
// outside). A line means the two squares differ, a crossed-out side that they agree; clues
// relate their neighbours' colours; both parts must hang together.
PassResult insideOutside(const Grid& g, const Puzzle& p, State& s);

// Tricky: all lines lie on one loop, so they share one part of the graph of lines and open
// edges; edges in any other part are off.
PassResult connectivity(const Grid& g, const Puzzle& p, State& s);

} // namespace quirn::solver
