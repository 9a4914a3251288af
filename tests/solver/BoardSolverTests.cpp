// The solver as the window's level check asks it: clues the solver itself never sees (4s
// and higher digits), and a work limit that runs out.
#include "solver/BoardSolver.h"

#include <gtest/gtest.h>

namespace quirn::solver {
namespace {

using Fit = Solutions::Fit;

// The sides of square (0, 2) on the quick board, ascending: its clue 4's loop.
const std::vector<int> kSquareTwo = {6, 21, 24, 25};

struct ClueCase {
    const char* name;
    std::vector<std::pair<int, int>> clues; // square, clue
    Fit fit;
};

class FourAndAbove : public ::testing::TestWithParam<ClueCase> {};

TEST_P(FourAndAbove, Fit) {
    std::array<int, kSquareCount> clues;
    clues.fill(-1);
    for (const auto& [square, clue] : GetParam().clues) clues[square] = clue;
    const Solutions found = BoardSolver().solve(SizeClass::Quick, clues);
    EXPECT_EQ(found.fit, GetParam().fit);
    if (found.fit == Fit::One) {
        EXPECT_EQ(found.loops, std::vector<std::vector<int>>{kSquareTwo});
        EXPECT_EQ(found.grade, "easy");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quick, FourAndAbove,
    ::testing::Values(ClueCase{"lone_four", {{2, 4}}, Fit::One},
                      ClueCase{"neighbour_agrees", {{2, 4}, {1, 1}, {7, 1}, {4, 0}}, Fit::One},
                      ClueCase{"neighbour_disagrees", {{2, 4}, {1, 2}}, Fit::None},
                      ClueCase{"far_clue_disagrees", {{2, 4}, {24, 1}}, Fit::None},
                      ClueCase{"two_fours", {{2, 4}, {0, 4}}, Fit::None},
                      ClueCase{"five", {{2, 5}}, Fit::None},
                      // Square 42 lies outside the quick block: the open board has many loops.
                      ClueCase{"four_outside_the_block", {{42, 4}}, Fit::Several}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoardSolver, WorkLimitRunOutIsUndecided) {
    std::array<int, kSquareCount> clues;
    clues.fill(-1);
    clues[squareIndex(3, 6)] = 2;
    const Solutions found = BoardSolver(1).solve(SizeClass::Advanced, clues);
    EXPECT_EQ(found.fit, Fit::Undecided);
    EXPECT_TRUE(found.loops.empty());
    EXPECT_EQ(BoardSolver().solve(SizeClass::Advanced, clues).fit, Fit::Several);
}

} // namespace
} // namespace quirn::solver
