// Level generation: a random interesting loop (a winding one for the hardest grade), all
// its clues, then clues taken away in random order (for the hardest grade: 3s, then 0s,
// then 2s and 1s, those on the border first) while the puzzle stays uniquely solvable
// within the target grade.
#pragma once

#include "solver/Random.h"
#include "solver/Solver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quirn::solver {

struct Level {
    Puzzle puzzle;
    std::vector<int> solution; // lattice segments, ascending
    int grade = 0;
    int clueCount = 0;
    std::string message;
};

// Side of the square area that the loop must not leave untouched: such an empty patch
// makes a level look unfinished.
inline constexpr int kEmptyArea = 3;
inline constexpr int kMeanderTries = 20'000;
// Whether some kEmptyArea x kEmptyArea squares have no side on the loop.
bool leavesEmptyArea(const Grid& grid, const State& loop);

// A random single loop inside the block (the border of a grown region with no holes),
// not hugging the border and leaving no empty area. `winding` (0 to 1) is the chance that
// the region passes over a square it would touch on more than one side: it grows thin arms
// instead, and its border winds.
State randomLoop(SizeClass size, Rng& rng, double winding = 0.0);

// How the loops of the hardest grade wind. A winding loop leaves fewer squares untouched,
// and about half its minimal clue sets need search, against a third for plain loops.
inline constexpr double kHardestWinding = 0.6;

// Workers generateLevel uses by default: the machine's cores, at most four.
int generatorWorkers();

// One level of the target grade (1..4) keeping at least minClues clues. Tries up to
// maxAttempts loops, each from its own seed drawn from rng; `workers` threads try them
// side by side. The first on-target attempt by number wins, so the level does not depend
// on the number of workers. Returns the hardest grade below the target when none hits.
Level generateLevel(SizeClass size, int targetGrade, int minClues, Rng& rng, int maxAttempts = 40,
                    int workers = generatorWorkers());

// The grade and clue floor the set schedule gives position i of n (easy to hard).
int scheduledGrade(SizeClass size, int i, int n);
int scheduledMinClues(SizeClass size, int i, int n);

// n distinct levels from the seed, sorted easiest to hardest, with varied messages.
// Level i depends only on (seed, i), so the set is reproducible. fixedGrade 1..4 aims
// every level at that grade (fewest clues); 0 follows the set schedule.
std::vector<Level> generateSet(SizeClass size, int n, uint64_t seed, int fixedGrade = 0);

// The level file's four lines, CR LF each.
std::string levelFileText(const Level& level);
std::string clueLine(const Puzzle& puzzle);

// Friendly, short, Windows-1252-safe ASCII success messages.
const std::vector<std::string>& successMessages();

} // namespace quirn::solver
