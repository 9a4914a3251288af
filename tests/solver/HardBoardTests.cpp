// Boards that once sent the search astray: clue-free areas, no clues at all, clue
// patterns with no loop. Each must finish with the right count, capped at 2.
#include "Boards.h"
#include "solver/FrontierCount.h"
#include "solver/Loops.h"

#include <gtest/gtest.h>
#include <set>

namespace quirn::solver {
namespace {

using testing::board;

struct HardCase {
    const char* name;
    std::string rows;
    int cap;
    int expected;
};

const std::string kZeros =
    "000000000000/000000000000/000000000000/000000000000/000000000000/000000000000/000000000000";

const HardCase kHardCases[] = {
    {"no_clues", "", 2, 2},
    {"no_clues_cap_ten", "", 10, 10},
    {"only_zeros", kZeros, 2, 0},
    {"one_three", "///.....3", 2, 2},
    {"one_zero", "///.....0", 2, 2},
    {"corner_twos", "2..........2//////2..........2", 2, 2},
    {"checkerboard_twos_even", testing::checkerboard('2', 0), 2, 0},
    {"checkerboard_twos_odd", testing::checkerboard('2', 1), 2, 0},
    {"zero_ring_three_inside",
     "000000000000/0..........0/0..........0/0....3.....0/0..........0/0..........0/000000000000",
     2, 2},
    // Shipped levels with a block of clues taken away: the old search ran for minutes.
    {"clue_free_left_block",
     ".......3...2/.......1.1.1/.......11.../...........1/.......1..../.......113.1/.......2322.",
     2, 2},
    {"clue_free_bottom_strip",
     ".0..113...../.1.1......../...1......../3....3.3..../1..1.......0/.22........./.3.1........",
     2, 2},
    {"clue_free_middle",
     "..2.11.1..22/.........3.1/.01......1../..1.......22/..0.......3./.....333..21/.....1..12..",
     2, 2},
};

class HardBoardTest : public ::testing::TestWithParam<HardCase> {};

TEST_P(HardBoardTest, FinishesWithTheRightCount) {
    const HardCase& c = GetParam();
    const Puzzle p = board(SizeClass::Advanced, c.rows);
    const SolveResult r = countSolutions(p, c.cap, c.cap);
    EXPECT_FALSE(r.aborted);
    EXPECT_EQ(r.count, c.expected);
    std::set<std::vector<int>> distinct;
    for (const State& s : r.solutions) {
        EXPECT_TRUE(isSolution(p, s));
        distinct.insert(onSegments(gridFor(SizeClass::Advanced), s));
    }
    EXPECT_EQ(static_cast<int>(distinct.size()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Boards, HardBoardTest, ::testing::ValuesIn(kHardCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Sweep, RunsOutHonestly) {
    const SolveResult r = countSolutions(board(SizeClass::Advanced, "///.....3"), 2, 2, 100);
    EXPECT_TRUE(r.aborted);
    EXPECT_LT(r.count, 2);
}

TEST(Sweep, KnownEdgesNarrowTheCount) {
    // With no clues, fixing every edge to one loop leaves exactly that loop.
    Rng rng(3);
    const State loop = randomLoop(SizeClass::Normal, rng);
    const FrontierResult r = frontierCount(Puzzle(SizeClass::Normal), loop, 5, 5, 0);
    EXPECT_EQ(r.count, 1);
    ASSERT_EQ(r.solutions.size(), 1u);
    EXPECT_EQ(r.solutions[0], loop);
}

struct CrossCase {
    SizeClass size;
    uint64_t seed;
    double keepShare; // share of the loop's clues kept
};

const CrossCase kCrossCases[] = {
    {SizeClass::Quick, 1, 0.2},  {SizeClass::Quick, 2, 0.4},    {SizeClass::Quick, 3, 0.6},
    {SizeClass::Normal, 4, 0.3}, {SizeClass::Normal, 5, 0.5},   {SizeClass::Hard, 6, 0.5},
    {SizeClass::Hard, 7, 0.7},   {SizeClass::Advanced, 8, 0.6}, {SizeClass::Advanced, 9, 0.8},
};

class CrossTest : public ::testing::TestWithParam<CrossCase> {};

// The sweep and the plain search are unrelated methods: they must agree on every count.
TEST_P(CrossTest, SweepAgreesWithSearch) {
    const CrossCase& c = GetParam();
    const Grid& g = gridFor(c.size);
    Rng rng(c.seed);
    int compared = 0;
    for (int round = 0; round < 12; ++round) {
        const State loop = randomLoop(c.size, rng);
        Puzzle p(c.size);
        for (int cell = 0; cell < g.cellCount; ++cell) {
            if (rng.unit() >= c.keepShare) continue;
            int on = 0;
            for (int e : g.cellEdges[cell]) on += loop.edge[e] == kOn;
            p.clue[cell] = static_cast<int8_t>(on);
        }
        if (round % 4 == 3)
            p.clue[rng.below(g.cellCount)] = static_cast<int8_t>(rng.below(4)); // maybe none
        const SolveResult searched = searchSolutions(p, 12, 0, 200000);
        if (searched.aborted) continue;
        const FrontierResult swept = frontierCount(p, State{}, 12, 12, 0);
        EXPECT_EQ(swept.count, searched.count) << "round " << round;
        std::set<std::vector<int>> distinct;
        for (const State& s : swept.solutions) {
            EXPECT_TRUE(isSolution(p, s));
            distinct.insert(onSegments(g, s));
        }
        EXPECT_EQ(static_cast<int>(distinct.size()), swept.count);
        ++compared;
    }
    EXPECT_GE(compared, 6);
}

INSTANTIATE_TEST_SUITE_P(Random, CrossTest, ::testing::ValuesIn(kCrossCases), [](const auto& info) {
    return std::string(keywordOf(info.param.size)) + "_" + std::to_string(info.param.seed);
});

} // namespace
} // namespace quirn::solver
