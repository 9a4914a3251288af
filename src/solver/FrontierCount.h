// Exact loop counting by sweeping the block's edges column by column. The state on the
// sweep front is how the path ends there pair up, plus how many sides each half-swept
// clue still needs; its size is bounded by the block's height, so unlike a search it
// cannot run away on a board with large clue-free areas.
#pragma once

#include "solver/Solver.h"

#include <memory>
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
// rightToLeft sweeps the columns the other way: the same count, other fronts.
FrontierResult frontierCount(const Puzzle& puzzle, const State& known, int cap, int keep,
                             long stateLimit, bool rightToLeft = false);

// A sweep's fronts after each step, kept for the next sweep: a front depends only on the
// steps before it, so a puzzle whose clues and decided edges agree up to some step resumes
// the sweep there. The generator asks for thousands of nearly equal sweeps.
class SweepCache {
  public:
    SweepCache();
    ~SweepCache();
    SweepCache(const SweepCache&) = delete;
    SweepCache& operator=(const SweepCache&) = delete;
    struct Data;

  private:
    std::unique_ptr<Data> data_;
    friend FrontierResult frontierCount(const Puzzle&, const State&, int, long, SweepCache&);
};

// frontierCount with keep = 0, the same result, resuming from `cache` where it can and
// leaving this sweep in it.
FrontierResult frontierCount(const Puzzle& puzzle, const State& known, int cap, long stateLimit,
                             SweepCache& cache);

} // namespace quirn::solver
