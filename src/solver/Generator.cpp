#include "solver/Generator.h"

#include "core/levels/LevelFile.h"
#include "solver/FrontierCount.h"
#include "solver/LevelMeasures.h"
#include "solver/Loops.h"
#include "solver/SecondLoop.h"
#include "solver/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace quirn::solver {
namespace {

// Front states for the sweep that looks for a second loop before the deep look-ahead.
constexpr long kSecondLoopSweep = 20'000;

// Squares from a removed clue whose sides the look-ahead assumes, once the level needs its
// grade.
constexpr int kFocusReach = 1;

// Clues in a row that must stay, once the level needs its grade, before no more are tried.
constexpr int kMaxKeptInARow = 8;

// Order of taking clues away, by digit 0..3 (lower first; ties in random order).
constexpr std::array<int, 4> kRemovalRank{0, 1, 1, 1};
constexpr std::array<int, 4> kEasyRemovalRank{1, 2, 0, 3};

// Largest number of clues taken away in one check.
constexpr int kMaxBatch = 8;
// Regions grow a square touching them on two sides with up to this chance: some levels
// get plumper loops, which leave a few squares untouched (room for 0s).
constexpr double kMaxPlump = 0.15;

// Asked between checks: the attempt is no longer wanted.
struct Cancel {
    const std::atomic<int>* firstHit = nullptr;
    int attempt = 0;
    bool operator()() const {
        return firstHit && firstHit->load(std::memory_order_relaxed) < attempt;
    }
};

// Takes clues away from one loop's full set, then gives some back, towards a level of one
// grade.
class Carver {
  public:
    Carver(const LevelRequest& request, const State& loop, Rng& rng)
        : g_(gridFor(request.size)), want_(request.grade), target_(request.clues), loop_(loop),
          full_(allClues(request.size, loop)), puzzle_(full_), secondLoop_(puzzle_, loop) {
        for (int c = 0; c < g_.cellCount; ++c) order_.push_back(c);
        for (int i = g_.cellCount - 1; i > 0; --i) std::swap(order_[i], order_[rng.below(i + 1)]);
        // 0s go first: a few of them help, many make a level dull. The easy grade starts
        // from its 0s, and its rules get least from 2s: those go first, 3s last.
        const auto& rank = want_ == kGradeEasy ? kEasyRemovalRank : kRemovalRank;
        std::stable_sort(order_.begin(), order_.end(),
                         [&](int a, int b) { return rank[full_.clue[a]] < rank[full_.clue[b]]; });
    }

    // The level, or grade 0.
    Level carve(const Cancel& cancelled) {
        count_ = g_.cellCount;
        grade_ = gradeUpTo(want_, kGradeEasy, -1);
        if (grade_ > want_ || !takeAway(cancelled) || grade_ != want_) return {};
        if (count_ < target_ && !giveBack(cancelled)) return {};
        if (!cluesLookGood(g_, countClues(g_, puzzle_))) return {};
        Level level;
        level.puzzle = puzzle_;
        level.solution = onSegments(g_, loop_);
        level.grade = grade_;
        level.clueCount = count_;
        return level;
    }

  private:
    // The grade, or kNeedsSearch when none from `least` (known to be no higher: taking
    // clues away never lowers the grade) up to `most` finishes the puzzle. The look-ahead
    // follows the findings of the last puzzle that kept the grade. `removed`: the one clue
    // just taken away, if any.
    int gradeUpTo(int most, int least, int removed) {
        Grading how;
        how.minGrade = least;
        how.maxGrade = most;
        how.solution = &loop_;
        how.hints = &log_;
        LookAheadLog found;
        how.found = &found;
        // A second loop is the usual reason a puzzle stalls: an exact sweep finds it more
        // cheaply than the deep look-ahead.
        how.secondLoopSweep = kSecondLoopSweep;
        // Once the level needs the grade, a removal only needs a proof that the grade still
        // finishes: the look-ahead near the removed clue (besides the hints) gives one at a
        // fraction of the cost. Where it does not, the clue stays.
        std::array<uint8_t, kMaxEdges> focus{};
        if (removed >= 0 && least == most) {
            focus = edgesNear(g_, removed, kFocusReach);
            how.focus = &focus;
        }
        const int grade = logicGrade(puzzle_, how);
        if (grade <= most && grade >= kGradeHard) log_ = std::move(found);
        return grade == 0 ? kNeedsSearch : grade;
    }

    // Clues go in growing batches while batches pass, one at a time after a batch fails, until
    // the puzzle needs the grade wanted with no more clues than the target. A batch is
    // checked only below the look-ahead: while that finishes, most removals pass. Once the
    // level needs its grade, a long run of clues that must stay ends it: few more would go.
    bool takeAway(const Cancel& cancelled) {
        int batch = 1, kept = 0;
        for (std::size_t i = 0; i < order_.size() && !(count_ <= target_ && grade_ == want_) &&
                                !(grade_ == want_ && kept >= kMaxKeptInARow);) {
            if (cancelled()) return false;
            const bool single = batch == 1 || grade_ >= kGradeHard;
            const int room = count_ > target_ ? count_ - target_ : 1;
            const int n = single ? 1 : std::min({batch, room, static_cast<int>(order_.size() - i)});
            for (std::size_t k = i; k < i + n; ++k) puzzle_.clue[order_[k]] = -1;
            const int grade = n > 1 ? gradeUpTo(std::min(want_, kGradeTricky), grade_, -1)
                              : secondLoopNear(order_[i]) ? kNeedsSearch
                                                          : gradeUpTo(want_, grade_, order_[i]);
            if (grade <= want_) {
                for (std::size_t k = i; k < i + n; ++k) removed_.push_back(order_[k]);
                grade_ = grade;
                count_ -= n;
                i += n;
                batch = std::min(2 * batch, kMaxBatch);
                kept = 0;
                continue;
            }
            kept += grade_ == want_;
            for (std::size_t k = i; k < i + n; ++k) puzzle_.clue[order_[k]] = full_.clue[order_[k]];
            if (n == 1) ++i;
            batch = 1;
        }
        return true;
    }

    // A second loop near a lone removed clue is the cheapest disproof; the slower one only
    // where the check would need the look-ahead.
    bool secondLoopNear(int removed) {
        const bool lookAhead = want_ >= kGradeFiendish && grade_ >= kGradeTricky;
        return secondLoop_.flipFound(removed) || (lookAhead && secondLoop_.sweepFound(removed));
    }

    // Clues given back (3s first, never 0s) while the level still needs its grade, up to the
    // target.
    bool giveBack(const Cancel& cancelled) {
        std::stable_partition(removed_.begin(), removed_.end(),
                              [&](int c) { return full_.clue[c] == 3; });
        for (int c : removed_) {
            if (count_ >= target_) break;
            if (full_.clue[c] == 0) continue;
            if (cancelled()) return false;
            puzzle_.clue[c] = full_.clue[c];
            if (gradeUpTo(want_ - 1, kGradeEasy, -1) < want_)
                puzzle_.clue[c] = -1;
            else
                ++count_;
        }
        return true;
    }

    const Grid& g_;
    int want_;
    int target_;
    const State& loop_;
    const Puzzle full_;
    Puzzle puzzle_;
    SecondLoop secondLoop_;
    LookAheadLog log_;
    std::vector<int> order_;
    std::vector<int> removed_;
    int count_ = 0;
    int grade_ = 0;
};

// Attempts shared by the workers of one generateLevel.
class Attempts {
  public:
    Attempts(const LevelRequest& request, std::vector<uint64_t> seeds)
        : request_(request), seeds_(std::move(seeds)), levels_(seeds_.size()),
          firstHit_(static_cast<int>(seeds_.size())) {}

    // Takes attempts in number order until none below the first hit is left.
    void work() {
        for (;;) {
            const int k = next_.fetch_add(1);
            if (k >= firstHit_.load()) return;
            Rng rng(seeds_[k]);
            const State loop = randomLoop(request_.size, rng, kMaxPlump * rng.unit());
            levels_[k] = Carver(request_, loop, rng).carve(Cancel{&firstHit_, k});
            if (levels_[k].grade != request_.grade) continue;
            int hit = firstHit_.load();
            while (k < hit && !firstHit_.compare_exchange_weak(hit, k)) {
            }
        }
    }

    Level result(GenerateStats* stats) {
        const int hit = firstHit_.load();
        if (stats) stats->attempts = std::min(next_.load(), static_cast<int>(seeds_.size()));
        return hit < static_cast<int>(levels_.size()) ? std::move(levels_[hit]) : Level{};
    }

  private:
    LevelRequest request_;
    std::vector<uint64_t> seeds_;
    std::vector<Level> levels_;
    std::atomic<int> next_{0};
    std::atomic<int> firstHit_;
};

} // namespace

int generatorWorkers() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
}

Level generateLevel(const LevelRequest& request, Rng& rng, int maxAttempts, int workers,
                    GenerateStats* stats) {
    std::vector<uint64_t> seeds(static_cast<std::size_t>(std::max(maxAttempts, 0)));
    for (uint64_t& seed : seeds) seed = rng.next();
    Attempts attempts(request, std::move(seeds));
    // A helper that starts late finds no attempt left: the caller's own run takes them all.
    WorkerPool::shared().runBeside(std::max(0, std::min(workers, maxAttempts) - 1),
                                   [&attempts] { attempts.work(); });
    return attempts.result(stats);
}

std::string clueLine(const Puzzle& puzzle) {
    const Grid& g = gridFor(puzzle.size);
    std::array<std::string, kSquareCount> clues;
    for (int c = 0; c < g.cellCount; ++c)
        if (puzzle.clue[c] >= 0)
            clues[g.cellSquare[c]] = std::string(1, static_cast<char>('0' + puzzle.clue[c]));
    return formatClueText(clues);
}

std::string levelFileText(const Level& level) {
    return formatLevelFile(formatSegmentList(level.solution), clueLine(level.puzzle), "",
                           level.message);
}

} // namespace quirn::solver
