// Level generation: a winding loop, all its clues, then clues taken away in random order
// (0s first) while the grade's passes still finish the puzzle, until the level needs that
// grade's reasoning; then clues given back, each one that leaves it needing that grade,
// up to the number asked for. Passes that finish a puzzle prove it has one solution.
#pragma once

#include "solver/Random.h"
#include "solver/Solver.h"

#include <string>
#include <vector>

namespace quirn::solver {

struct Level {
    Puzzle puzzle;
    std::vector<int> solution; // lattice segments, ascending
    int grade = 0;             // 0: no level made
    int clueCount = 0;
    std::string message;
};

struct LevelRequest {
    SizeClass size = SizeClass::Advanced;
    int grade = kGradeHard; // exactly this grade, kGradeEasy..kGradeFiendish
    int clues = 0;          // as near this number of clues as the grade allows
};

struct GenerateStats {
    int attempts = 0; // loops tried
};

// Workers generateLevel uses by default: the machine's cores, at most four.
int generatorWorkers();

// One level of exactly the requested grade whose clues keep to the shares of
// LevelMeasures.h. Tries up to maxAttempts loops, each from its own seed drawn from rng;
// `workers` threads try them side by side. The first attempt by number that hits wins, so
// the level does not depend on the number of workers. Grade 0 when none hits.
Level generateLevel(const LevelRequest& request, Rng& rng, int maxAttempts = 64,
                    int workers = generatorWorkers(), GenerateStats* stats = nullptr);

// The level file's four lines, CR LF each.
std::string levelFileText(const Level& level);
std::string clueLine(const Puzzle& puzzle);

} // namespace quirn::solver
