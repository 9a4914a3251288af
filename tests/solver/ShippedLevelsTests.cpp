// The 400 shipped levels: each passes the check and needs no search; per series the grades
// rise as scheduled and the loops, clues and messages look as a player should see them.
// Prints the measures.
#include "core/levels/LevelFile.h"
#include "solver/LevelCheck.h"
#include "solver/LevelMeasures.h"
#include "solver/LevelSet.h"
#include "solver/Loops.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace quirn::solver {
namespace {

constexpr int kSeriesLength = 100;

struct Shipped {
    int grade = 0;
    State loop;
    Puzzle puzzle;
    std::string message;
};

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct Measures {
    double loop = 0, untouched = 0, clues = 0;
    double minClues = 1, maxClues = 0;
    std::map<int, ClueCounts> byGrade;
    std::map<int, int> levelsOfGrade;
    ClueCounts all;
};

class ShippedSeries : public ::testing::TestWithParam<SizeClass> {
  protected:
    // Every level passes the check; those that do are returned.
    std::vector<Shipped> load() {
        const SizeClass size = GetParam();
        const Grid& g = gridFor(size);
        std::vector<Shipped> levels;
        for (int i = 1; i <= kSeriesLength; ++i) {
            const auto path = std::filesystem::path(QUIRN_DATA_DIR) / "puzzles" /
                              std::string(keywordOf(size)) / ("game" + std::to_string(i) + ".puz");
            const std::string bytes = readFile(path);
            const CheckReport report = checkLevel(bytes, size);
            EXPECT_TRUE(report.ok())
                << path << ": " << (report.problems.empty() ? "" : report.problems[0]);
            EXPECT_NE(report.grade, kNeedsSearch) << path;
            if (!report.ok()) continue;
            const LevelLines lines = readLevelLines(bytes);
            std::vector<int> segments;
            solutionLineProblem(*lines.lines[0], &segments);
            levels.push_back({report.grade, stateFromSegments(g, segments),
                              puzzleFromSquares(size, gameClues(*lines.lines[1], nullptr)),
                              *lines.lines[3]});
        }
        return levels;
    }
};

Measures measure(const Grid& g, const std::vector<Shipped>& levels) {
    Measures m;
    for (const Shipped& level : levels) {
        const ClueCounts counts = countClues(g, level.puzzle);
        const double share = static_cast<double>(counts.clues) / g.cellCount;
        m.loop += loopShare(g, level.loop) / levels.size();
        m.untouched += untouchedShare(g, level.loop) / levels.size();
        m.clues += share / levels.size();
        m.minClues = std::min(m.minClues, share);
        m.maxClues = std::max(m.maxClues, share);
        ++m.levelsOfGrade[level.grade];
        for (ClueCounts* sum : {&m.byGrade[level.grade], &m.all}) {
            sum->clues += counts.clues;
            for (int d = 0; d < 4; ++d) sum->digit[d] += counts.digit[d];
        }
    }
    return m;
}

void print(SizeClass size, const Measures& m) {
    std::printf("%-8s loop %.1f%% of segments, untouched %.1f%%, clues %.1f%% (%.1f..%.1f)",
                std::string(keywordOf(size)).c_str(), 100 * m.loop, 100 * m.untouched,
                100 * m.clues, 100 * m.minClues, 100 * m.maxClues);
    std::printf(", 3s %.1f%%, 0s %.1f%% of clues\n", 100.0 * m.all.digit[3] / m.all.clues,
                100.0 * m.all.digit[0] / m.all.clues);
    for (const auto& [grade, c] : m.byGrade)
        std::printf("  %-9s %3d levels, %.1f clues a level, 3s %.1f%%, 0s %.1f%%\n",
                    std::string(gradeName(grade)).c_str(), m.levelsOfGrade.at(grade),
                    static_cast<double>(c.clues) / m.levelsOfGrade.at(grade),
                    100.0 * c.digit[3] / c.clues, 100.0 * c.digit[0] / c.clues);
}

TEST_P(ShippedSeries, RisesAndLooksGood) {
    const SizeClass size = GetParam();
    const Grid& g = gridFor(size);
    const std::vector<Shipped> levels = load();
    ASSERT_EQ(levels.size(), static_cast<std::size_t>(kSeriesLength));
    const std::vector<Slot> slots = seriesSchedule(size, kSeriesLength);
    std::set<std::string> loops, clueSets;
    for (int i = 0; i < kSeriesLength; ++i) {
        const Shipped& level = levels[i];
        // The schedule's grade; a fiendish place may hold a hard level.
        const bool onSchedule = level.grade == slots[i].grade ||
                                (slots[i].grade == kGradeFiendish && level.grade == kGradeHard);
        EXPECT_TRUE(onSchedule) << "level " << i + 1 << " is " << gradeName(level.grade);
        if (i > 0) {
            EXPECT_GE(level.grade, levels[i - 1].grade - 1) << "level " << i + 1;
            EXPECT_NE(level.message, levels[i - 1].message) << "level " << i + 1;
        }
        EXPECT_TRUE(cluesLookGood(g, countClues(g, level.puzzle))) << "level " << i + 1;
        EXPECT_TRUE(loops.insert(loopKey(g, level.loop)).second) << "level " << i + 1;
        EXPECT_TRUE(clueSets.insert(clueKey(g, level.puzzle)).second) << "level " << i + 1;
        EXPECT_EQ(level.message.find("uess"), std::string::npos) << level.message;
    }
    // The first levels teach with plenty of clues, never a carpet of them.
    for (int i = 0; i < 3; ++i)
        EXPECT_GE(countClues(g, levels[i].puzzle).clues, 0.45 * g.cellCount) << "level " << i + 1;
    const Measures m = measure(g, levels);
    print(size, m);
    EXPECT_GE(m.loop, kMinLoopShare);
    EXPECT_LE(m.untouched, kMaxUntouchedShare);
    EXPECT_LE(m.all.digit[0], kMaxZeroShare * m.all.clues);
    for (const auto& [grade, c] : m.byGrade)
        EXPECT_GE(c.digit[3], kMinThreeShare * c.clues) << grade;
}

INSTANTIATE_TEST_SUITE_P(Classes, ShippedSeries, ::testing::ValuesIn(kAllSizeClasses),
                         [](const auto& info) { return std::string(keywordOf(info.param)); });

} // namespace
} // namespace quirn::solver
