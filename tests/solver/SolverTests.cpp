#include "Boards.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quirn::solver {
namespace {

using testing::board;
using testing::H;
using testing::V;

struct CountCase {
    const char* name;
    SizeClass size;
    const char* rows;
    int cap;
    int expected;
};

// Unique, none, several: counted exactly (up to the cap).
const CountCase kCountCases[] = {
    // Only the 2x2 corner is free of zeros: the loop around square (0,0) alone.
    {"corner_square_unique", SizeClass::Quick, "..000/..000/00000/00000/00000", 10, 1},
    // A 2x3 free corner: around (0,0), around (0,1), around both.
    {"two_by_three_three_loops", SizeClass::Quick, "...00/...00/00000/00000/00000", 10, 3},
    // A 3x3 free corner: 4 single squares, 4 dominoes, 4 L shapes, the 2x2 square.
    {"three_by_three_thirteen_loops", SizeClass::Quick, "...00/...00/...00/00000/00000", 100, 13},
    // Nothing but zeros: no loop at all (the empty board is not a loop).
    {"all_zero_none", SizeClass::Quick, "00000/00000/00000/00000/00000", 10, 0},
    // A 3 walled in by zeros.
    {"three_among_zeros_none", SizeClass::Quick, "00000/03000/00000/00000/00000", 10, 0},
    // No clues: more loops than any cap.
    {"empty_board_capped", SizeClass::Quick, "", 7, 7},
    // The full clues of the loop around the whole quick block.
    {"border_loop_unique", SizeClass::Quick, "21112/10001/10001/10001/21112", 10, 1},
    // Only the two-domino picture fits, and it is two loops: rejected, so none.
    {"two_subloops_none", SizeClass::Quick, "33233/11011/00000/00000/00000", 10, 0},
};

class CountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountTest, CountsSolutions) {
    const CountCase& c = GetParam();
    const SolveResult r = countSolutions(board(c.size, c.rows), c.cap, c.cap);
    EXPECT_EQ(r.count, c.expected);
    EXPECT_FALSE(r.aborted);
    for (const State& s : r.solutions) EXPECT_TRUE(isSolution(board(c.size, c.rows), s));
}

INSTANTIATE_TEST_SUITE_P(Boards, CountTest, ::testing::ValuesIn(kCountCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Solver, UniqueSolutionIsTheCornerSquare) {
    const Puzzle p = board(SizeClass::Quick, "..000/..000/00000/00000/00000");
    const SolveResult r = countSolutions(p);
    ASSERT_EQ(r.count, 1);
    EXPECT_EQ(onSegments(gridFor(SizeClass::Quick), r.solutions[0]),
              testing::rectangleLoop(0, 0, 0, 0));
}

TEST(Solver, TwoSeparateLoopsAreNotASolution) {
    const Grid& g = gridFor(SizeClass::Quick);
    std::vector<int> two = testing::rectangleLoop(0, 0, 0, 1);
    const std::vector<int> right = testing::rectangleLoop(0, 3, 0, 4);
    two.insert(two.end(), right.begin(), right.end());
    std::sort(two.begin(), two.end());
    const Puzzle p = board(SizeClass::Quick, "33233/11011/00000/00000/00000");
    const State s = stateFromSegments(g, two);
    EXPECT_FALSE(isSolution(p, s)); // every clue and dot agrees, yet it is two loops
    EXPECT_FALSE(isSolution(p, stateFromSegments(g, testing::rectangleLoop(0, 0, 0, 1))));
    EXPECT_TRUE(isSolution(Puzzle(SizeClass::Quick),
                           stateFromSegments(g, testing::rectangleLoop(0, 0, 0, 1))));
}

TEST(Solver, EarlyLoopIsCutBeforeTheEnd) {
    // Marking three sides of square (2,2) while another marked edge exists elsewhere:
    // the fourth side would close a loop that leaves that edge out, so it is off.
    const Grid& g = gridFor(SizeClass::Quick);
    const Puzzle p(SizeClass::Quick);
    State s{};
    s.edge[g.segmentEdge[H(2, 2)]] = kOn;
    s.edge[g.segmentEdge[V(2, 2)]] = kOn;
    s.edge[g.segmentEdge[V(2, 3)]] = kOn;
    s.edge[g.segmentEdge[H(0, 0)]] = kOn;
    ASSERT_TRUE(propagate(p, s, kGradeLoop));
    EXPECT_EQ(s.edge[g.segmentEdge[H(3, 2)]], kOff);
}

TEST(Solver, PassesAreTaggedByGradeInOrder) {
    int previous = 0;
    for (const Pass& pass : deductionPasses()) {
        EXPECT_GE(pass.grade, previous);
        EXPECT_GE(pass.grade, kGradeLocal);
        EXPECT_LE(pass.grade, kGradeTrial);
        previous = pass.grade;
    }
}

TEST(Solver, GradesRiseWithTheRulesNeeded) {
    // Full clues of the border loop: the local rules alone finish it.
    EXPECT_EQ(gradeOf(board(SizeClass::Quick, "21112/10001/10001/10001/21112")), kGradeLocal);
    // Several solutions: no grade.
    EXPECT_EQ(gradeOf(board(SizeClass::Quick, "...00/...00/00000/00000/00000")), 0);
    EXPECT_EQ(gradeOf(board(SizeClass::Quick, "00000/00000/00000/00000/00000")), 0);
}

TEST(Solver, ClueOutsideTheBlockIsIgnoredByThePuzzle) {
    std::array<int8_t, kSquareCount> clues;
    clues.fill(-1);
    clues[squareIndex(6, 11)] = 3; // outside quick
    const Puzzle p = puzzleFromSquares(SizeClass::Quick, clues);
    EXPECT_TRUE(std::all_of(p.clue.begin(), p.clue.end(), [](int8_t c) { return c < 0; }));
}

TEST(Solver, GridTablesMatchTheLattice) {
    for (SizeClass size : kAllSizeClasses) {
        const Grid& g = gridFor(size);
        EXPECT_EQ(g.edgeCount, static_cast<int>(blockSegments(size).size()));
        EXPECT_EQ(g.cellCount, static_cast<int>(blockSquares(size).size()));
        for (int c = 0; c < g.cellCount; ++c) {
            std::array<int, 4> sides{};
            for (int k = 0; k < 4; ++k) sides[k] = g.edgeSegment[g.cellEdges[c][k]];
            EXPECT_EQ(sides, squareSides(g.cellSquare[c]));
        }
    }
}

} // namespace
} // namespace quirn::solver
