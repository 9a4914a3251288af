// The exact solver behind the window's level check.
#pragma once

#include "core/app/LoopSolver.h"
#include "solver/Solver.h"

namespace quirn::solver {

class BoardSolver final : public LoopSolver {
  public:
    // workLimit bounds the sweep as in countSolutions; past it the answer is Undecided.
    explicit BoardSolver(long workLimit = kDefaultWorkLimit) : workLimit_(workLimit) {}

    // Clues 0..3 go to the solver; a 4 is its own square's loop; above 4 nothing fits.
    Solutions solve(SizeClass size, const std::array<int, kSquareCount>& clues) const override;
    bool isOneLoop(const std::vector<int>& segments) const override;

  private:
    long workLimit_;
};

} // namespace quirn::solver
