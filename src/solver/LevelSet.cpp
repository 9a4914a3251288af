#include "solver/LevelSet.h"

#include "solver/LevelMeasures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace quirn::solver {
namespace {

// Where each grade's run of a 100-level series ends (as a share of the series); the last
// run mixes hard and fiendish levels.
constexpr std::array<double, 4> kRunEnds{0.10, 0.30, 0.55, 0.85};

// Clue shares of a grade's first and last level.
struct ShareRange {
    double first, last;
};
constexpr std::array<ShareRange, kGradeFiendish + 1> kClueShares{{
    {0.50, 0.50},
    {0.50, 0.42}, // easy: the first levels teach, with plenty of clues (not all)
    {0.47, 0.39},
    {0.45, 0.37},
    {0.42, 0.35},
    {0.40, 0.35},
}};

// Attempts per level before a fiendish slot turns hard, and in all.
constexpr int kFiendishSalts = 6;
constexpr int kMaxSalts = 200;

// The clue shares of a grade's slots, falling from first to last.
void shareClues(std::vector<Slot>& slots) {
    std::map<int, int> ofGrade;
    for (const Slot& s : slots) ++ofGrade[s.grade];
    std::map<int, int> seen;
    for (Slot& s : slots) {
        const int m = ofGrade[s.grade], k = seen[s.grade]++;
        const ShareRange r = kClueShares[s.grade];
        s.clueShare = m > 1 ? r.first + (r.last - r.first) * k / (m - 1) : r.first;
    }
}

Level levelFor(SizeClass size, uint64_t seed, int i, Slot& slot) {
    const Grid& g = gridFor(size);
    for (uint64_t salt = 0;; ++salt) {
        if (salt == kFiendishSalts && slot.grade == kGradeFiendish) slot.grade = kGradeHard;
        if (salt == kMaxSalts) return {};
        uint64_t mix = seed ^ (0xA24BAED4963EE407ull * static_cast<uint64_t>(i + 1)) ^ (salt << 48);
        Rng rng(splitmix64(mix));
        const LevelRequest request{size, slot.grade,
                                   static_cast<int>(slot.clueShare * g.cellCount)};
        Level level = generateLevel(request, rng);
        if (level.grade != 0) return level;
    }
}

} // namespace

std::vector<Slot> seriesSchedule(SizeClass, int n) {
    std::vector<Slot> slots(static_cast<std::size_t>(std::max(n, 0)));
    const int mixedFrom = static_cast<int>(std::lround(kRunEnds[3] * n));
    for (int i = 0; i < n; ++i) {
        const double t = (i + 0.5) / n;
        int grade = kGradeEasy;
        while (grade <= 4 && t >= kRunEnds[grade - 1]) ++grade;
        if (grade == kGradeFiendish) {
            // Hard and fiendish by turns, then fiendish for the last third of the run.
            const int j = i - mixedFrom, run = n - mixedFrom;
            grade = j % 2 == 1 || 3 * j >= 2 * run ? kGradeFiendish : kGradeHard;
        }
        slots[i].grade = grade;
    }
    shareClues(slots);
    return slots;
}

std::vector<Slot> gradeSchedule(int grade, int n) {
    std::vector<Slot> slots(static_cast<std::size_t>(std::max(n, 0)), Slot{grade, 0.0});
    shareClues(slots);
    return slots;
}

std::vector<Level> generateSet(SizeClass size, int n, uint64_t seed, std::vector<Slot> slots) {
    if (slots.empty()) slots = seriesSchedule(size, n);
    const Grid& g = gridFor(size);
    std::vector<Level> levels;
    std::set<std::string> seen;
    for (int i = 0; i < n; ++i) {
        Level level;
        for (int again = 0;; ++again) {
            // A level like one before it is made again from the next seed.
            level = levelFor(size, seed + static_cast<uint64_t>(again) * 0x9E37ull, i, slots[i]);
            if (level.grade == 0) break;
            const State loop = stateFromSegments(g, level.solution);
            if (seen.insert(loopKey(g, loop)).second &&
                seen.insert(clueKey(g, level.puzzle)).second)
                break;
        }
        levels.push_back(std::move(level));
    }
    // Within a grade, falling clue counts; the grades keep their places.
    std::map<int, std::vector<int>> places;
    for (int i = 0; i < n; ++i) places[levels[i].grade].push_back(i);
    std::vector<Level> out(levels.size());
    for (auto& [grade, at] : places) {
        std::vector<int> byClues = at;
        std::stable_sort(byClues.begin(), byClues.end(),
                         [&](int a, int b) { return levels[a].clueCount > levels[b].clueCount; });
        for (std::size_t k = 0; k < at.size(); ++k) out[at[k]] = std::move(levels[byClues[k]]);
    }
    // Each grade's messages in shuffled rounds; a round never starts with the message
    // just shown.
    uint64_t mix = seed ^ 0x5EED5EED5EED5EEDull;
    Rng rng(splitmix64(mix));
    std::map<int, std::vector<std::string>> rounds;
    std::string previous;
    for (Level& level : out) {
        const auto& all = successMessages(level.grade);
        if (all.empty()) continue;
        auto& round = rounds[level.grade];
        if (round.empty()) {
            round = all;
            for (int i = static_cast<int>(round.size()) - 1; i > 0; --i)
                std::swap(round[i], round[rng.below(i + 1)]);
            if (round.back() == previous) std::swap(round.back(), round.front());
        }
        level.message = round.back();
        round.pop_back();
        previous = level.message;
    }
    return out;
}

const std::vector<std::string>& successMessages(int grade) {
    static const std::array<std::vector<std::string>, kGradeFiendish + 1> messages{{
        {},
        {"Well done!", "Nicely solved!", "You did it!", "Off to a fine start!", "Neat and tidy!",
         "Good going!", "That's the way!", "Loop closed!", "Smoothly done!", "Right around!",
         "A clean loop!", "Easy does it!"},
        {"Great loop!", "Spot on!", "Well spotted!", "Sharp eyes!", "Nicely reasoned!",
         "Clever moves!", "Round and done!", "Every clue agrees!", "Corner to corner!",
         "Good thinking!", "Keep it up!", "Splendid work!"},
        {"Inside and out!", "You saw right through it!", "Clever thinking!", "Brilliant!",
         "Beautifully done!", "Nothing escaped you!", "A fine loop!", "Well reasoned!", "Superb!",
         "Top marks!", "What a loop!", "Closed the circuit!"},
        {"Masterful!", "Great logic!", "Thinking ahead pays!", "Excellent thinking!", "Marvellous!",
         "A hard one, solved!", "Impressive!", "Loop master!", "Full circle!", "Hats off!",
         "Outstanding!", "Tough, but not for you!"},
        {"Fiendishly good!", "Phenomenal!", "A true loop master!", "Nothing stops you!",
         "Extraordinary!", "Pure logic!", "Astonishing!", "Bravo, maestro!",
         "The toughest kind, solved!", "Unstoppable!", "Legendary!", "A mind of steel!"},
    }};
    static const std::vector<std::string> none;
    return grade >= kGradeEasy && grade <= kGradeFiendish ? messages[grade] : none;
}

} // namespace quirn::solver
