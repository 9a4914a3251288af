#include "Boards.h"
#include "solver/Generator.h"
#include "solver/LevelCheck.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quirn::solver {
namespace {

TEST(Generator, RandomIsPortable) {
    // splitmix64 reference values for seed 0 (fixed by the algorithm, not the library).
    uint64_t x = 0;
    EXPECT_EQ(splitmix64(x), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(splitmix64(x), 0x6E789E6AA1B965F4ull);
    Rng a(7), b(7);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.next(), b.next());
}

TEST(Generator, RandomLoopIsASingleLoopInsideTheBlock) {
    Rng rng(11);
    for (SizeClass size : kAllSizeClasses)
        for (double winding : {0.0, kHardestWinding, 1.0})
            for (int i = 0; i < 20; ++i) {
                const State s = randomLoop(size, rng, winding);
                EXPECT_TRUE(isSolution(Puzzle(size), s));
                EXPECT_FALSE(leavesEmptyArea(gridFor(size), s));
            }
}

// Squares the loop does not touch: the 0 clues.
int untouchedSquares(const Grid& g, const State& loop) {
    int n = 0;
    for (int c = 0; c < g.cellCount; ++c)
        n += std::none_of(g.cellEdges[c].begin(), g.cellEdges[c].end(),
                          [&](int e) { return loop.edge[e] == kOn; });
    return n;
}

TEST(Generator, WindingLoopsLeaveFewerSquaresUntouched) {
    const Grid& g = gridFor(SizeClass::Advanced);
    int plain = 0, winding = 0;
    Rng a(5), b(5);
    for (int i = 0; i < 40; ++i) {
        plain += untouchedSquares(g, randomLoop(SizeClass::Advanced, a));
        winding += untouchedSquares(g, randomLoop(SizeClass::Advanced, b, kHardestWinding));
    }
    EXPECT_LT(winding * 5, plain * 4); // a fifth fewer at least
}

struct AreaCase {
    const char* name;
    std::vector<int> loop;
    bool empty;
};

TEST(Generator, EmptyAreaIsSeen) {
    using testing::rectangleLoop;
    const AreaCase cases[] = {
        // The whole quick block's border: its 3x3 middle is untouched.
        {"border", rectangleLoop(0, 0, 4, 4), true},
        // One square in a corner leaves the far 3x3 corner untouched.
        {"corner_square", rectangleLoop(0, 0, 0, 0), true},
        // A loop around the 3x3 middle touches every 3x3 window.
        {"middle", rectangleLoop(1, 1, 3, 3), false},
    };
    const Grid& g = gridFor(SizeClass::Quick);
    for (const AreaCase& c : cases)
        EXPECT_EQ(leavesEmptyArea(g, stateFromSegments(g, c.loop)), c.empty) << c.name;
}

TEST(Generator, SameSeedSameLevels) {
    const auto a = generateSet(SizeClass::Normal, 5, 99);
    const auto b = generateSet(SizeClass::Normal, 5, 99);
    ASSERT_EQ(a.size(), 5u);
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(levelFileText(a[i]), levelFileText(b[i]));
}

TEST(Generator, LevelsAreUniqueGradedAndSorted) {
    for (SizeClass size : {SizeClass::Quick, SizeClass::Hard}) {
        const auto levels = generateSet(size, 8, 5);
        int previous = 0;
        for (const Level& level : levels) {
            const CheckReport r = checkLevel(levelFileText(level), size);
            EXPECT_TRUE(r.ok()) << (r.problems.empty() ? "" : r.problems[0]);
            EXPECT_EQ(r.grade, level.grade);
            EXPECT_GE(level.grade, previous);
            previous = level.grade;
        }
        EXPECT_EQ(levels.front().grade, kGradeLocal);
    }
}

TEST(Generator, TargetsAGrade) {
    for (int grade = kGradeLocal; grade <= kGradeTrial; ++grade) {
        Rng rng(static_cast<uint64_t>(grade) * 31);
        const Level level = generateLevel(SizeClass::Hard, grade, 0, rng);
        EXPECT_EQ(level.grade, grade);
        EXPECT_EQ(gradeOf(level.puzzle), grade);
    }
}

// The loop's clues, each kept with chance 1 in keepOneIn: grades and non-unique puzzles
// both turn up.
Puzzle someCluesOf(SizeClass size, const State& loop, Rng& rng, int keepOneIn) {
    const Grid& g = gridFor(size);
    Puzzle p(size);
    for (int c = 0; c < g.cellCount; ++c) {
        if (rng.below(keepOneIn) != 0) continue;
        int on = 0;
        for (int e : g.cellEdges[c]) on += loop.edge[e] == kOn;
        p.clue[c] = static_cast<int8_t>(on);
    }
    return p;
}

TEST(Generator, GradingThatKnowsTheLoopAgrees) {
    Rng rng(23);
    for (SizeClass size : {SizeClass::Hard, SizeClass::Advanced})
        for (int i = 0; i < 12; ++i) {
            const State loop = randomLoop(size, rng);
            const Puzzle p = someCluesOf(size, loop, rng, 2);
            EXPECT_EQ(logicGradeKnowing(p, loop), logicGrade(p));
            State plain{}, knowing{};
            EXPECT_EQ(propagateKnowing(p, knowing, kGradeTrial, loop),
                      propagate(p, plain, kGradeTrial));
            EXPECT_EQ(knowing, plain);
        }
}

// The look-ahead as plainly as it reads: guess each open side both ways with the grade-2
// rules, keep what a failed guess proves, and go round until nothing changes.
bool plainLookAhead(const Puzzle& p, State& s) {
    if (!propagate(p, s, kGradeLoop)) return false;
    for (bool changed = true; changed;) {
        changed = false;
        for (int e = 0; e < gridFor(p.size).edgeCount; ++e) {
            if (s.edge[e] != kUnknown) continue;
            for (int8_t guess : {kOn, kOff}) {
                State t = s;
                t.edge[e] = guess;
                if (propagate(p, t, kGradeLoop)) continue;
                s.edge[e] = guess == kOn ? kOff : kOn;
                if (!propagate(p, s, kGradeLoop)) return false;
                changed = true;
                break;
            }
        }
    }
    return true;
}

// The trial pass skips guesses it can tell will hold and goes round the edges after a
// finding; its fixed point must still be the plain one's.
TEST(Generator, LookAheadReachesThePlainFixedPoint) {
    Rng rng(57);
    for (SizeClass size : {SizeClass::Normal, SizeClass::Advanced})
        for (int i = 0; i < 16; ++i) {
            const State loop = randomLoop(size, rng);
            // From half the clues down to a quarter.
            const Puzzle p = someCluesOf(size, loop, rng, 2 + i % 3);
            State fast{}, plain{};
            const bool fastOk = propagate(p, fast, kGradeTrial);
            ASSERT_EQ(fastOk, plainLookAhead(p, plain));
            if (fastOk) {
                EXPECT_EQ(fast, plain);
            }
        }
}

// Attempts run side by side, yet the first on-target attempt by number wins: the level
// is the same for any number of workers, even when several attempts hit or all miss.
TEST(Generator, SameLevelWhateverTheWorkers) {
    struct Case {
        SizeClass size;
        int grade;
        int maxAttempts;
    };
    const Case cases[] = {
        {SizeClass::Advanced, kGradeSearch, 40},
        {SizeClass::Hard, kGradeTrial, 40},
        {SizeClass::Quick, kGradeSearch, 3}, // the hardest grade is rare here: often a miss
    };
    for (const Case& c : cases)
        for (uint64_t seed = 1; seed <= 6; ++seed) {
            std::vector<Level> levels;
            for (int workers : {1, 2, 3}) {
                Rng rng(seed);
                levels.push_back(generateLevel(c.size, c.grade, 0, rng, c.maxAttempts, workers));
            }
            for (const Level& level : levels) {
                EXPECT_GT(level.grade, 0);
                EXPECT_EQ(level.grade, levels[0].grade);
                EXPECT_EQ(level.solution, levels[0].solution);
                EXPECT_EQ(clueLine(level.puzzle), clueLine(levels[0].puzzle));
            }
        }
}

TEST(Generator, HardestGradeIsUniqueAndNeedsSearch) {
    for (uint64_t seed : {3u, 4u}) {
        Rng rng(seed);
        Level level = generateLevel(SizeClass::Advanced, kGradeSearch, 0, rng);
        ASSERT_EQ(level.grade, kGradeSearch);
        level.message = successMessages().front(); // only sets give messages
        const CheckReport r = checkLevel(levelFileText(level), SizeClass::Advanced);
        EXPECT_TRUE(r.ok()) << (r.problems.empty() ? "" : r.problems[0]);
        EXPECT_EQ(r.solutionCount, 1);
        EXPECT_EQ(r.grade, kGradeSearch);
        EXPECT_EQ(gradeOf(level.puzzle), kGradeSearch);
    }
}

} // namespace
} // namespace quirn::solver
