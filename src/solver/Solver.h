// The exact loop solver shared by the level tool, the generator, the tests and the
// benchmarks. One list of deduction passes, each tagged with the difficulty grade it
// stands for, drives solving (grades 1-2 as propagation under the search), grading
// (the lowest grade whose passes finish the puzzle without guessing) and generation.
#pragma once

#include "solver/Grid.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quirn::solver {

// Grades: 1 local clue/dot rules; 2 plus loop-closure, parity and connectivity;
// 3 plus one-step trial (look-ahead); 4 needs search (guessing).
inline constexpr int kGradeLocal = 1;
inline constexpr int kGradeLoop = 2;
inline constexpr int kGradeTrial = 3;
inline constexpr int kGradeSearch = 4;
inline constexpr int kMaxGrade = kGradeSearch;

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

// Per local edge: kUnknown, kOn or kOff.
struct State {
    std::array<int8_t, kMaxEdges> edge{};
    bool operator==(const State&) const = default;
};

enum class PassResult { Stuck, Progress, Contradiction };
struct Pass {
    int grade;
    std::string_view name;
    PassResult (*run)(const Grid&, const Puzzle&, State&);
};
// By grade; propagation restarts from the first pass after any progress. Among the grade-2
// passes the inside/outside one goes first: it makes progress about half the times it runs,
// the others seldom, so they wait until it is stuck.
std::span<const Pass> deductionPasses();

// Runs the passes of grade <= maxGrade to a fixed point. False: contradiction.
bool propagate(const Puzzle& puzzle, State& state, int maxGrade);
// As propagate, for a puzzle that `solution` solves and a state agreeing with it: the
// trial skips the guesses that agree with the solution (none can fail), so the result is
// the same at about half the trial work.
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
// Exact: propagation of grades 1-2, then a column sweep whose work is bounded by the
// block's height; on open boards a short depth-first search that stops at cap solutions
// goes before the full sweep. workLimit > 0 caps the sweep's front states (aborted is
// then set).
SolveResult countSolutions(const Puzzle& puzzle, int cap = 2, int keep = 2,
                           long workLimit = kDefaultWorkLimit);

// The depth-first search alone (no sweep), from the grade-2 fixed point: for cross-checks.
// nodeLimit > 0 stops it after that many nodes (aborted is then set).
SolveResult searchSolutions(const Puzzle& puzzle, int cap, int keep, long nodeLimit);

// 1..3: the lowest grade whose passes alone solve the puzzle; 4: unique but needs search;
// 0: no solution or more than one.
int gradeOf(const Puzzle& puzzle);
// As gradeOf for a puzzle already known to have exactly one solution: 4 whenever the
// passes alone stall (no count is made). 0 on a contradiction.
int logicGrade(const Puzzle& puzzle);
// logicGrade for a puzzle that `solution` solves, with propagateKnowing's shortcut.
int logicGradeKnowing(const Puzzle& puzzle, const State& solution);

// Lattice segment indexes of the kOn edges, ascending.
std::vector<int> onSegments(const Grid& grid, const State& state);
// State with the given lattice segments on and every other block edge off.
State stateFromSegments(const Grid& grid, const std::vector<int>& segments);

} // namespace quirn::solver
