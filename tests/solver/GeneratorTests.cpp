#include "Boards.h"
#include "solver/LevelCheck.h"
#include "solver/LevelMeasures.h"
#include "solver/LevelSet.h"
#include "solver/Loops.h"

#include <gtest/gtest.h>
#include <set>

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

TEST(Generator, RandomLoopsWindOverTheWholeBoard) {
    Rng rng(11);
    for (SizeClass size : kAllSizeClasses)
        for (double plump : {0.0, 0.15, 1.0})
            for (int i = 0; i < 10; ++i) {
                const Grid& g = gridFor(size);
                const State s = randomLoop(size, rng, plump);
                EXPECT_TRUE(isSolution(Puzzle(size), s));
                EXPECT_GE(loopShare(g, s), kMinLoopShare);
                EXPECT_LE(untouchedShare(g, s), kMaxUntouchedShare);
                EXPECT_LE(borderShare(g, s), kMaxBorderShare);
            }
}

// A level of each grade is exactly that grade, and keeps to the clue shares.
TEST(Generator, MakesEachGradeExactly) {
    for (SizeClass size : {SizeClass::Quick, SizeClass::Hard})
        for (int grade = kGradeEasy; grade <= kGradeFiendish; ++grade) {
            Rng rng(static_cast<uint64_t>(grade) * 31);
            const Grid& g = gridFor(size);
            const Level level = generateLevel({size, grade, g.cellCount * 2 / 5}, rng, 200);
            ASSERT_EQ(level.grade, grade) << keywordOf(size);
            EXPECT_EQ(gradeOf(level.puzzle), grade) << keywordOf(size);
            EXPECT_TRUE(cluesLookGood(g, countClues(g, level.puzzle)));
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
        {SizeClass::Advanced, kGradeHard, 40},
        {SizeClass::Hard, kGradeFiendish, 40},
        {SizeClass::Quick, kGradeEasy, 3}, // often a miss
    };
    for (const Case& c : cases)
        for (uint64_t seed = 1; seed <= 4; ++seed) {
            std::vector<Level> levels;
            for (int workers : {1, 2, 3}) {
                Rng rng(seed);
                levels.push_back(generateLevel({c.size, c.grade, 0}, rng, c.maxAttempts, workers));
            }
            for (const Level& level : levels) {
                EXPECT_EQ(level.grade, levels[0].grade);
                EXPECT_EQ(level.solution, levels[0].solution);
                EXPECT_EQ(clueLine(level.puzzle), clueLine(levels[0].puzzle));
            }
        }
}

TEST(Generator, SetsFollowTheirScheduleWithoutRepeats) {
    const std::vector<Slot> slots = seriesSchedule(SizeClass::Normal, 10);
    const auto levels = generateSet(SizeClass::Normal, 10, 5, slots);
    ASSERT_EQ(levels.size(), 10u);
    const Grid& g = gridFor(SizeClass::Normal);
    std::set<std::string> loops;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const CheckReport r = checkLevel(levelFileText(levels[i]), SizeClass::Normal);
        EXPECT_TRUE(r.ok()) << (r.problems.empty() ? "" : r.problems[0]);
        EXPECT_EQ(r.grade, slots[i].grade);
        if (i > 0 && levels[i].grade == levels[i - 1].grade) {
            EXPECT_LE(levels[i].clueCount, levels[i - 1].clueCount);
        }
        EXPECT_TRUE(loops.insert(loopKey(g, stateFromSegments(g, levels[i].solution))).second);
    }
    EXPECT_EQ(levelFileText(generateSet(SizeClass::Normal, 10, 5, slots)[9]),
              levelFileText(levels[9]));
}

TEST(Generator, ScheduleRisesThroughTheGrades) {
    const std::vector<Slot> slots = seriesSchedule(SizeClass::Advanced, 100);
    const int first[] = {0, 10, 30, 55}; // where easy, normal, tricky, hard begin
    for (int grade = kGradeEasy; grade <= kGradeHard; ++grade)
        EXPECT_EQ(slots[first[grade - 1]].grade, grade);
    EXPECT_EQ(slots[84].grade, kGradeHard);
    EXPECT_EQ(slots[99].grade, kGradeFiendish);
    for (std::size_t i = 1; i < slots.size(); ++i) {
        EXPECT_GE(slots[i].grade, slots[i - 1].grade - 1);
        if (slots[i].grade == slots[i - 1].grade) {
            EXPECT_LE(slots[i].clueShare, slots[i - 1].clueShare);
        }
    }
}

TEST(Generator, KeysIgnoreRotationAndReflection) {
    using testing::rectangleLoop;
    const Grid& quick = gridFor(SizeClass::Quick);
    const Grid& wide = gridFor(SizeClass::Advanced);
    auto key = [](const Grid& g, const std::vector<int>& loop) {
        return loopKey(g, stateFromSegments(g, loop));
    };
    // Rectangles in opposite corners of the quick board, one turned a quarter.
    EXPECT_EQ(key(quick, rectangleLoop(0, 0, 0, 1)), key(quick, rectangleLoop(3, 4, 4, 4)));
    EXPECT_EQ(key(quick, rectangleLoop(0, 0, 1, 2)), key(quick, rectangleLoop(2, 3, 4, 4)));
    EXPECT_NE(key(quick, rectangleLoop(0, 0, 0, 1)), key(quick, rectangleLoop(1, 1, 1, 2)));
    // The oblong block turns half round or mirrors, never a quarter.
    EXPECT_EQ(key(wide, rectangleLoop(0, 0, 0, 1)), key(wide, rectangleLoop(6, 10, 6, 11)));
    EXPECT_NE(key(wide, rectangleLoop(0, 0, 0, 1)), key(wide, rectangleLoop(0, 0, 1, 0)));
    const Puzzle a = testing::board(SizeClass::Quick, "3..../...../...../...../.....");
    const Puzzle b = testing::board(SizeClass::Quick, "...../...../...../...../3....");
    const Puzzle c = testing::board(SizeClass::Quick, "...../...../..3../...../.....");
    EXPECT_EQ(clueKey(quick, a), clueKey(quick, b));
    EXPECT_NE(clueKey(quick, a), clueKey(quick, c));
}

TEST(Generator, CluesLookGoodWithinTheShares) {
    const Grid& g = gridFor(SizeClass::Quick); // 25 squares: 9 to 12 clues
    auto counts = [](int zeros, int ones, int twos, int threes) {
        ClueCounts c;
        c.digit = {zeros, ones, twos, threes};
        c.clues = zeros + ones + twos + threes;
        return c;
    };
    EXPECT_TRUE(cluesLookGood(g, counts(1, 3, 3, 3)));
    EXPECT_FALSE(cluesLookGood(g, counts(0, 3, 3, 2))); // too few clues
    EXPECT_FALSE(cluesLookGood(g, counts(0, 4, 4, 5))); // too many
    EXPECT_FALSE(cluesLookGood(g, counts(0, 5, 4, 1))); // too few 3s
    EXPECT_FALSE(cluesLookGood(g, counts(2, 2, 3, 3))); // too many 0s
}

} // namespace
} // namespace quirn::solver
