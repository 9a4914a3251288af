// The exact loop solver shared by the level tool, the generator, the tests and the
// benchmarks: solution counting with a uniqueness proof, and grading by the reasoning a
// person needs. Each deduction pass stands for one grade; a puzzle's grade is the lowest
// whose passes finish it without guessing.
#pragma once

#include "solver/Grid.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quirn::solver {

// Grades, each adding the reasoning named to those below it:
// easy      one square or one dot at a time (clue counts, dot degrees);
// normal    two or three neighbouring clues and their shared dots (3s side by side or
//           corner to corner, 1s and 3s in corners, "exactly one of these two sides" carried
//           across dots and along 2s), and no loop closed early;
// tricky    inside/outside colouring and connectivity;
// hard      look-ahead: assume one side, follow the easy and normal rules, cross it out
//           when that contradicts;
// fiendish  look-ahead with the tricky rules as well.
// A unique puzzle that none of these finishes needs search.
inline constexpr int kGradeEasy = 1;
inline constexpr int kGradeNormal = 2;
inline constexpr int kGradeTricky = 3;
inline constexpr int kGradeHard = 4;
inline constexpr int kGradeFiendish = 5;
inline constexpr int kNeedsSearch = 6;

// "easy" .. "fiendish", "needs search"; empty for anything else.
std::string_view gradeName(int grade);
// As a player reads it: "grade 4 (hard)", or "needs search".
std::string gradeLabel(int grade);
// A grade 1..5 by its name (any case) or its number.
std::optional<int> parseGrade(std::string_view text);

// Clues by local cell of the size class's block; -1: no clue.
struct Puzzle {
    SizeClass size = SizeClass::Advanced;
    std::array<int8_t, kMaxCells> clue{};
    Puzzle() { clue.fill(-1); }
    explicit Puzzle(SizeClass s) : size(s) { clue.fill(-1); }
};

// Clues by lattice square index (-1: none); squares outside the block are ignored.
Puzzle puzzleFromSquares(SizeClass size, const std::array<int8_t, kSquareCount>& squareClues);

enum : int8_t { kUnknown = 0, kOn = 1, kOff = 2 };

struct State {
    State() { edge[kBeyond] = kOff; }
    std::array<int8_t, kMaxEdges + 1> edge{}; // per local edge: kUnknown, kOn or kOff
    // Per dot, bit d: on its diagonal d (Grid::dotPairs) each pair has exactly one side on.
    std::array<uint8_t, kMaxDots> exactlyOne{};
    // Kept by the normal rules as they draw lines: at each end of a path of lines, the
    // path's other end and its number of lines; the lines and open paths in all.
    std::array<uint8_t, kMaxDots> pathEnd{};
    std::array<uint8_t, kMaxDots> pathLength{};
    int16_t lines = 0;
    int16_t paths = 0;
    // The same decisions and facts.
    bool operator==(const State& o) const { return edge == o.edge && exactlyOne == o.exactlyOne; }
};

// Runs the passes of grade <= maxGrade to a fixed point. False: contradiction.
bool propagate(const Puzzle& puzzle, State& state, int maxGrade);
// As propagate, for a puzzle that `solution` solves and a state agreeing with it: the
// look-ahead skips the guesses that agree with the solution (none can fail), so the result
// is the same at about half the work.
bool propagateKnowing(const Puzzle& puzzle, State& state, int maxGrade, const State& solution);

bool isComplete(const Grid& grid, const State& state);
// A full, single closed loop agreeing with every clue.
bool isSolution(const Puzzle& puzzle, const State& state);

struct SolveResult {
    int count = 0;                // solutions found, at most cap
    std::vector<State> solutions; // the first `keep` of them
    long nodes = 0;               // search nodes visited
    long states = 0;              // front states of the sweep, when the search gave way to it
    bool aborted = false;         // the work limit was reached: count is a lower bound
};
// Default work limit of countSolutions: front states of the sweep (a few MB).
inline constexpr long kDefaultWorkLimit = 2'000'000;
// Front states of a first sweep; past that the board is open and a search tries first.
inline constexpr long kSweepFirst = 20'000;
// Search nodes tried before the full sweep takes over.
inline constexpr long kSearchNodes = 48;
// Exact: propagation up to the tricky grade, then a column sweep whose work is bounded by
// the block's height; on open boards a short depth-first search that stops at cap
// solutions goes before the full sweep. workLimit > 0 caps the sweep's front states
// (aborted is then set). With keep >= 2 a puzzle with several solutions gives two of them.
SolveResult countSolutions(const Puzzle& puzzle, int cap = 2, int keep = 2,
                           long workLimit = kDefaultWorkLimit);

// The depth-first search alone (no sweep): for cross-checks. nodeLimit > 0 stops it after
// that many nodes (aborted is then set).
SolveResult searchSolutions(const Puzzle& puzzle, int cap, int keep, long nodeLimit);

// 1..5: the lowest grade whose passes solve the puzzle; kNeedsSearch: unique but no grade's
// passes finish it; 0: no solution or more than one.
int gradeOf(const Puzzle& puzzle);

// The look-ahead's findings in one grading, in order, as edge * 2 + (1 when the assumption
// that failed was "on"): per look-ahead, hard and fiendish.
struct LookAheadLog {
    std::array<std::vector<int16_t>, 2> findings;
};

// How logicGrade goes about it.
struct Grading {
    int minGrade = kGradeEasy;     // grades below are known not to finish the puzzle
    int maxGrade = kGradeFiendish; // grades above are not tried
    // A loop that solves the puzzle: the look-ahead skips the assumptions agreeing with it
    // (no sound rule can refute them), for the same result at about half the work.
    const State* solution = nullptr;
    // The log of a puzzle with nearly the same clues: its findings are tried first, each
    // still proved by its own contradiction, for the same result with far fewer assumptions.
    const LookAheadLog* hints = nullptr;
    LookAheadLog* found = nullptr; // receives this grading's log
    // When set, the look-ahead assumes only the edges marked here (besides the hints): a
    // finish still proves the grade, but a stall proves nothing.
    const std::array<uint8_t, kMaxEdges>* focus = nullptr;
    // > 0: before the deep look-ahead, an exact sweep of at most this many front states
    // looks for a second loop (grade 0 when it finds one): a cheaper disproof than it.
    long secondLoopSweep = 0;
};
// As gradeOf for a puzzle known to have exactly one solution: kNeedsSearch whenever the
// passes up to maxGrade stall (no count is made). 0 on a contradiction.
int logicGrade(const Puzzle& puzzle, const Grading& how = {});

// Lattice segment indexes of the kOn edges, ascending.
std::vector<int> onSegments(const Grid& grid, const State& state);
// State with the given lattice segments on and every other block edge off.
State stateFromSegments(const Grid& grid, const std::vector<int>& segments);

} // namespace quirn::solver
