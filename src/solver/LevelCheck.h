// What `quirn-levels check` and `solve` judge about one level file.
#pragma once

#include "core/levels/LevelFile.h"
#include "solver/Solver.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirn::solver {

inline constexpr int kDefaultSolutionCap = 10;

struct CheckReport {
    std::vector<std::string> problems; // empty: OK
    int grade = 0;                     // when unique: 1..5, or kNeedsSearch
    int solutionCount = -1;            // -1: not counted (clues unusable)
    bool countCapped = false;          // solutionCount reached the cap
    std::string otherSolution;         // a second loop as a line 1, when there is one
    bool undecided = false;            // the solver's work limit ran out first
    bool ok() const { return problems.empty(); }
};

// Clues of line 2 as the game reads them (parseClues); problems for any clue that is not
// a digit 0..3.
std::array<int8_t, kSquareCount> gameClues(std::string_view line,
                                           std::vector<std::string>* problems);

// Whether the lattice segments form one closed loop; empty when they do.
std::string loopProblem(const std::vector<int>& segments);

// workLimit bounds the solver (see countSolutions); running out is reported as a problem.
CheckReport checkLevel(std::string_view bytes, SizeClass size, int cap = kDefaultSolutionCap,
                       long workLimit = kDefaultWorkLimit);

// The smallest size class whose block holds every segment of line 1 and every clue of
// line 2 (as far as they read); advanced when none does.
SizeClass smallestClassFor(std::string_view bytes);

// The size class named by a "puzzles/<class>/" folder in the path, case-insensitively.
std::optional<SizeClass> sizeClassFromPath(const std::filesystem::path& path);

// Reads at most kLevelFileLimit + 1 bytes; nullopt with a reason when unreadable.
std::optional<std::string> readLevelBytes(const std::filesystem::path& path, std::string& problem);

} // namespace quirn::solver
