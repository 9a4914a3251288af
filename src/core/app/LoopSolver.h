// The exact loop solver as the window asks it. The solver library builds on the core, so
// the core names here only what the level check needs; a front end hands Form1 an
// implementation.
#pragma once

#include "core/board/Lattice.h"

#include <array>
#include <string>
#include <vector>

namespace quirn {

// Every loop that fits a board's clues, as far as the check needs them.
struct Solutions {
    enum class Fit { None, One, Several, Undecided }; // Undecided: the solver gave up first
    Fit fit = Fit::None;
    // One loop, or two of several: ascending segment indexes.
    std::vector<std::vector<int>> loops;
    // With one loop: the name of its grade ("easy" .. "fiendish", "needs search").
    std::string grade;
};

class LoopSolver {
  public:
    virtual ~LoopSolver() = default;

    // Clues by square: how many of its sides the loop uses, or -1 for none. Only the size
    // class's block counts, and the loops lie inside it.
    virtual Solutions solve(SizeClass size, const std::array<int, kSquareCount>& clues) const = 0;
    // Whether the segments make one closed loop and nothing else.
    virtual bool isOneLoop(const std::vector<int>& segments) const = 0;
};

} // namespace quirn
