#include "Boards.h"
#include "solver/Generator.h"
#include "solver/LevelMeasures.h"
#include "solver/Loops.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quirn::solver {
namespace {

using testing::board;
using testing::H;
using testing::V;

struct CountCase {
    const char* name;
    const char* rows;
    int cap;
    int expected;
};

// Unique, none, several on the quick board: counted exactly (up to the cap).
const CountCase kCountCases[] = {
    // Only the 2x2 corner is free of zeros: the loop around square (0,0) alone.
    {"corner_square_unique", "..000/..000/00000/00000/00000", 10, 1},
    // A 2x3 free corner: around (0,0), around (0,1), around both.
    {"two_by_three_three_loops", "...00/...00/00000/00000/00000", 10, 3},
    // A 3x3 free corner: 4 single squares, 4 dominoes, 4 L shapes, the 2x2 square.
    {"three_by_three_thirteen_loops", "...00/...00/...00/00000/00000", 100, 13},
    // Nothing but zeros: no loop at all (the empty board is not a loop).
    {"all_zero_none", "00000/00000/00000/00000/00000", 10, 0},
    // A 3 walled in by zeros.
    {"three_among_zeros_none", "00000/03000/00000/00000/00000", 10, 0},
    // No clues: more loops than any cap.
    {"empty_board_capped", "", 7, 7},
    // The full clues of the loop around the whole quick block.
    {"border_loop_unique", "21112/10001/10001/10001/21112", 10, 1},
    // Only the two-domino picture fits, and it is two loops: rejected, so none.
    {"two_subloops_none", "33233/11011/00000/00000/00000", 10, 0},
};

class CountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountTest, CountsSolutions) {
    const CountCase& c = GetParam();
    const Puzzle p = board(SizeClass::Quick, c.rows);
    const SolveResult r = countSolutions(p, c.cap, c.cap);
    EXPECT_EQ(r.count, c.expected);
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(static_cast<int>(r.solutions.size()), c.expected);
    for (const State& s : r.solutions) EXPECT_TRUE(isSolution(p, s));
}

INSTANTIATE_TEST_SUITE_P(Boards, CountTest, ::testing::ValuesIn(kCountCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Solver, TwoSeparateLoopsAreNotASolution) {
    const Grid& g = gridFor(SizeClass::Quick);
    std::vector<int> two = testing::rectangleLoop(0, 0, 0, 1);
    const std::vector<int> right = testing::rectangleLoop(0, 3, 0, 4);
    two.insert(two.end(), right.begin(), right.end());
    std::sort(two.begin(), two.end());
    const Puzzle p = board(SizeClass::Quick, "33233/11011/00000/00000/00000");
    EXPECT_FALSE(isSolution(p, stateFromSegments(g, two))); // every clue and dot agrees
    EXPECT_TRUE(isSolution(Puzzle(SizeClass::Quick),
                           stateFromSegments(g, testing::rectangleLoop(0, 0, 0, 1))));
}

// One small board per grade: the lowest grade whose passes finish it, so the grade below
// does not.
struct GradeCase {
    int grade;
    const char* rows;
};

const GradeCase kGradeCases[] = {
    {kGradeEasy, "0..../2..3./.2.1./.3.12/.2323"},
    {kGradeNormal, "3..2./.3.../3..23/2..3./3...2"},
    {kGradeTricky, "3.2../3.3.3/3.3.2/.2.../3...."},
    {kGradeHard, ".2.1./1...2/2..22/...1./3..33"},
    {kGradeFiendish, "3.2.3/...../.33../..122/.3..."},
};

class GradeTest : public ::testing::TestWithParam<GradeCase> {};

TEST_P(GradeTest, NeedsItsGrade) {
    const GradeCase& c = GetParam();
    const Puzzle p = board(SizeClass::Quick, c.rows);
    EXPECT_EQ(gradeOf(p), c.grade);
    State below{};
    ASSERT_TRUE(propagate(p, below, c.grade - 1));
    EXPECT_FALSE(isComplete(gridFor(SizeClass::Quick), below));
}

INSTANTIATE_TEST_SUITE_P(Boards, GradeTest, ::testing::ValuesIn(kGradeCases),
                         [](const auto& info) { return std::string(gradeName(info.param.grade)); });

TEST(Solver, GradeNamesReadBothWays) {
    for (int grade = kGradeEasy; grade <= kGradeFiendish; ++grade) {
        EXPECT_EQ(parseGrade(gradeName(grade)), grade);
        EXPECT_EQ(parseGrade(std::to_string(grade)), grade);
    }
    EXPECT_EQ(parseGrade("HARD"), kGradeHard);
    EXPECT_EQ(gradeLabel(kGradeHard), "grade 4 (hard)");
    EXPECT_EQ(gradeLabel(kNeedsSearch), "needs search");
    for (const char* bad : {"", "0", "6", "needs search", "harder"})
        EXPECT_EQ(parseGrade(bad), std::nullopt);
}

// Lines the inside/outside pass draws may not close a loop early either.
TEST(Solver, LinesFromEveryPassKeepTheLoopOpen) {
    EXPECT_EQ(gradeOf(board(SizeClass::Quick, "...../2...2/12223/.3..3/2...3")), kGradeTricky);
}

TEST(Solver, NoLoopClosesEarly) {
    // Three sides of square (2,2) drawn while another line exists elsewhere: the fourth
    // would close a loop that leaves that line out, so it is off at the normal grade.
    const Grid& g = gridFor(SizeClass::Quick);
    State s{};
    for (int seg : {H(2, 2), V(2, 2), V(2, 3), H(0, 0)}) s.edge[g.segmentEdge[seg]] = kOn;
    State easy = s;
    ASSERT_TRUE(propagate(Puzzle(SizeClass::Quick), easy, kGradeEasy));
    EXPECT_EQ(easy.edge[g.segmentEdge[H(3, 2)]], kUnknown);
    ASSERT_TRUE(propagate(Puzzle(SizeClass::Quick), s, kGradeNormal));
    EXPECT_EQ(s.edge[g.segmentEdge[H(3, 2)]], kOff);
    // A loop closed beside another line is a contradiction.
    s.edge[g.segmentEdge[H(3, 2)]] = kOn;
    EXPECT_FALSE(propagate(Puzzle(SizeClass::Quick), s, kGradeNormal));
}

// Puzzles from random loops with some of their clues: every grade's passes must agree with
// the loop (which solves them), whatever else they find.
class RandomPuzzles : public ::testing::Test {
  protected:
    struct Case {
        State loop;
        Puzzle puzzle;
    };
    static std::vector<Case> cases() {
        std::vector<Case> out;
        Rng rng(1);
        for (int i = 0; i < 48; ++i) {
            const SizeClass size = kAllSizeClasses[i % 4];
            const Grid& g = gridFor(size);
            Case c{randomLoop(size, rng, 0.3 * rng.unit()), Puzzle(size)};
            const Puzzle full = allClues(size, c.loop);
            const double keep = 0.4 + 0.4 * rng.unit();
            for (int cell = 0; cell < g.cellCount; ++cell)
                if (rng.unit() < keep) c.puzzle.clue[cell] = full.clue[cell];
            out.push_back(c);
        }
        return out;
    }
};

TEST_F(RandomPuzzles, EveryGradeAgreesWithASolution) {
    for (const Case& c : cases()) {
        const Grid& g = gridFor(c.puzzle.size);
        for (int grade = kGradeEasy; grade <= kGradeFiendish; ++grade) {
            State plain{}, knowing{};
            ASSERT_TRUE(propagate(c.puzzle, plain, grade));
            for (int e = 0; e < g.edgeCount; ++e) {
                if (plain.edge[e] != kUnknown) {
                    ASSERT_EQ(plain.edge[e], c.loop.edge[e]) << grade;
                }
            }
            // Skipping the assumptions the loop agrees with changes nothing.
            ASSERT_TRUE(propagateKnowing(c.puzzle, knowing, grade, c.loop));
            EXPECT_EQ(knowing, plain) << grade;
        }
    }
}

// A grade's fixed point does not depend on how it is reached: from any part of it, the
// passes come to the same one. A rule not looked at again when its premises change (lines
// drawn other than by the rules, say) misses something from some start.
TEST_F(RandomPuzzles, FixedPointFromAnyPartOfIt) {
    Rng rng(5);
    for (const Case& c : cases()) {
        const Grid& g = gridFor(c.puzzle.size);
        for (int grade = kGradeEasy; grade <= kGradeHard; ++grade) {
            State whole{};
            ASSERT_TRUE(propagate(c.puzzle, whole, grade));
            for (int round = 0; round < 3; ++round) {
                State part{};
                for (int e = 0; e < g.edgeCount; ++e)
                    if (rng.below(3) == 0) part.edge[e] = whole.edge[e];
                ASSERT_TRUE(propagate(c.puzzle, part, grade));
                EXPECT_EQ(part, whole) << gradeName(grade);
            }
        }
    }
}

// Taking a clue away never lowers the grade, and a grading that follows the findings of
// another puzzle comes to its own grade: on the generator's levels, whose clues are nearly
// all needed, a removal mostly leaves a puzzle no grade finishes.
TEST(Solver, TakingAClueAwayNeverLowersTheGrade) {
    int removals = 0;
    for (int grade = kGradeHard; grade <= kGradeFiendish; ++grade)
        for (uint64_t seed = 1; seed <= 4; ++seed) {
            Rng rng(seed);
            const Level level = generateLevel({SizeClass::Quick, grade, 0}, rng, 100, 1);
            ASSERT_EQ(level.grade, grade);
            const State loop = stateFromSegments(gridFor(SizeClass::Quick), level.solution);
            Grading how;
            how.solution = &loop;
            LookAheadLog log;
            how.found = &log;
            ASSERT_EQ(logicGrade(level.puzzle, how), grade);
            for (int cell = 0; cell < gridFor(SizeClass::Quick).cellCount; ++cell) {
                if (level.puzzle.clue[cell] < 0) continue;
                Puzzle fewer = level.puzzle;
                fewer.clue[cell] = -1;
                Grading plain;
                plain.solution = &loop;
                const int alone = logicGrade(fewer, plain);
                EXPECT_TRUE(alone == 0 || alone >= grade); // 0: a second loop fits
                plain.hints = &log;
                EXPECT_EQ(logicGrade(fewer, plain), alone);
                ++removals;
            }
        }
    EXPECT_GT(removals, 50);
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
            // Each corner's dot holds the square's two sides there and its outer edges.
            for (int q = 0; q < 4; ++q) {
                const int d = g.cornerDot[c][q];
                std::vector<int> at(g.dotEdges[d].begin(),
                                    g.dotEdges[d].begin() + g.dotEdgeCount[d]);
                for (int side : kCornerSides[q])
                    EXPECT_NE(std::find(at.begin(), at.end(), g.cellEdges[c][side]), at.end());
                for (int e : g.cornerOuter[c][q]) {
                    if (e >= 0) {
                        EXPECT_NE(std::find(at.begin(), at.end(), e), at.end());
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace quirn::solver
