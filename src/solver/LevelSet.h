// A series of levels for one size class: grades rising from easy to fiendish, fewer clues
// within a grade, no two levels alike up to rotation and reflection, and success messages
// that fit each level.
#pragma once

#include "solver/Generator.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quirn::solver {

// The grade and share of clues the series gives level i (from 0) of n.
struct Slot {
    int grade = kGradeEasy;
    double clueShare = 0.5;
};
std::vector<Slot> seriesSchedule(SizeClass size, int n);
// Every level of one grade, the clue shares falling as in a series.
std::vector<Slot> gradeSchedule(int grade, int n);

// n levels from the seed, on `slots` (seriesSchedule when empty); level i depends only on
// the seed and the levels before it, so the set is reproducible. Within a grade, levels
// come in order of falling clue count. A fiendish level that the block is too small to
// give turns hard.
std::vector<Level> generateSet(SizeClass size, int n, uint64_t seed, std::vector<Slot> slots = {});

// Short plain-ASCII messages for solving a level of each grade.
const std::vector<std::string>& successMessages(int grade);

} // namespace quirn::solver
