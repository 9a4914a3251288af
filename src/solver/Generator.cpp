#include "solver/Generator.h"

#include "core/levels/LevelFile.h"
#include "solver/FrontierCount.h"
#include "solver/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

namespace quirn::solver {
namespace {

struct Region {
    int rows = 0, cols = 0;
    std::array<uint8_t, kMaxCells> in{};
    bool at(int r, int c) const {
        return r >= 0 && c >= 0 && r < rows && c < cols && in[r * cols + c];
    }
};

// No dot where the region touches itself only at a corner (the border would cross).
bool cornerOk(const Region& reg, int r, int c) {
    for (int dr = 0; dr <= 1; ++dr)
        for (int dc = 0; dc <= 1; ++dc) {
            const int y = r + dr, x = c + dc; // the dot (y, x)
            const bool a = reg.at(y - 1, x - 1), b = reg.at(y - 1, x), cc = reg.at(y, x - 1),
                       d = reg.at(y, x);
            if (a == d && b == cc && a != b) return false;
        }
    return true;
}

// Every cell outside the region reaches the block's edge through outside cells.
bool noHoles(const Region& reg) {
    std::array<uint8_t, kMaxCells> reached{};
    std::array<int, kMaxCells> stack{};
    int top = 0, outside = 0, count = 0;
    for (int r = 0; r < reg.rows; ++r)
        for (int c = 0; c < reg.cols; ++c) {
            const int i = r * reg.cols + c;
            if (reg.in[i]) continue;
            ++outside;
            if (r == 0 || c == 0 || r == reg.rows - 1 || c == reg.cols - 1) {
                reached[i] = 1;
                stack[top++] = i;
            }
        }
    while (top > 0) {
        const int i = stack[--top];
        ++count;
        const int r = i / reg.cols, c = i % reg.cols;
        const int nr[4] = {r - 1, r + 1, r, r}, nc[4] = {c, c, c - 1, c + 1};
        for (int k = 0; k < 4; ++k) {
            if (nr[k] < 0 || nc[k] < 0 || nr[k] >= reg.rows || nc[k] >= reg.cols) continue;
            const int j = nr[k] * reg.cols + nc[k];
            if (reg.in[j] || reached[j]) continue;
            reached[j] = 1;
            stack[top++] = j;
        }
    }
    return count == outside;
}

// Sweep states allowed for a uniqueness proof: a level whose proof needs more makes a
// poor puzzle (the hardest shipped ones need about half of this).
constexpr long kGeneratorWorkLimit = 20'000;

// Cells inside the loop (1) and outside (0).
using Inside = std::array<uint8_t, kMaxCells>;

Inside insideOf(const Grid& g, const State& loop) {
    Inside in{};
    for (int r = 0; r < g.rows; ++r) {
        int crossed = 0;
        for (int c = 0; c < g.cols; ++c) {
            crossed ^= loop.edge[g.vEdge(r, c)] == kOn;
            in[g.cell(r, c)] = static_cast<uint8_t>(crossed);
        }
    }
    return in;
}

// Cells flipped together when looking for a second loop near a removed clue.
constexpr int kFlipCells = 3;

// A cheap proof that removing clue `removed` spoils uniqueness: another loop that differs
// from `loop` by flipping a few cells next to it (inside <-> outside) and still agrees with
// every clue. Finding none proves nothing; the sweep decides then.
class FlipWitness {
  public:
    FlipWitness(const Grid& g, const Puzzle& p, const State& loop)
        : g_(g), p_(p), in_(insideOf(g, loop)) {}

    bool found(int removed) {
        std::array<int, 5> seeds{removed};
        const int n = 1 + neighbours(removed, &seeds[1]);
        for (int i = 0; i < n; ++i) {
            cells_[0] = seeds[i];
            flip_[seeds[i]] = 1;
            const bool hit = grow(1);
            flip_[seeds[i]] = 0;
            if (hit) return true;
        }
        return false;
    }

  private:
    int neighbours(int x, int* out) const {
        const int r = x / g_.cols, c = x % g_.cols;
        int n = 0;
        if (r > 0) out[n++] = x - g_.cols;
        if (r + 1 < g_.rows) out[n++] = x + g_.cols;
        if (c > 0) out[n++] = x - 1;
        if (c + 1 < g_.cols) out[n++] = x + 1;
        return n;
    }
    int colour(int x) const { return x < 0 ? 0 : in_[x] ^ flip_[x]; }

    bool cluesHold(int x) const {
        if (p_.clue[x] < 0) return true;
        int sides = 0;
        for (int e : g_.cellEdges[x]) {
            const int a = g_.edgeCells[e][0], b = g_.edgeCells[e][1];
            sides += colour(a) != colour(b);
        }
        return sides == p_.clue[x];
    }

    bool isLoop(int size) const {
        for (int i = 0; i < size; ++i) {
            if (!cluesHold(cells_[i])) return false;
            std::array<int, 4> around{};
            const int n = neighbours(cells_[i], around.data());
            for (int k = 0; k < n; ++k)
                if (!cluesHold(around[k])) return false;
        }
        State s{};
        for (int e = 0; e < g_.edgeCount; ++e)
            s.edge[e] = colour(g_.edgeCells[e][0]) != colour(g_.edgeCells[e][1]) ? kOn : kOff;
        return isSolution(p_, s);
    }

    // Connected sets grown from cells_[0], each cell added after it (no repeats of a set
    // by its least cell, though a set may be met more than once).
    bool grow(int size) {
        if (isLoop(size)) return true;
        if (size == kFlipCells) return false;
        for (int i = 0; i < size; ++i) {
            std::array<int, 4> around{};
            const int n = neighbours(cells_[i], around.data());
            for (int k = 0; k < n; ++k) {
                const int y = around[k];
                if (flip_[y] || y < cells_[0]) continue;
                cells_[size] = y;
                flip_[y] = 1;
                const bool hit = grow(size + 1);
                flip_[y] = 0;
                if (hit) return true;
            }
        }
        return false;
    }

    const Grid& g_;
    const Puzzle& p_;
    Inside in_;
    Inside flip_{};
    std::array<int, kFlipCells> cells_{};
};

// Squares around a removed clue (Chebyshev distance) whose sides may leave the loop.
constexpr int kNearRadius = 4;
// Front states for that sweep: far fewer than a whole board's.
constexpr long kNearWorkLimit = 5'000;

// Another proof that removing clue `removed` spoils uniqueness: the exact sweep with every
// side away from it fixed to the loop's finds a second loop. The fixed sides make it cheap;
// finding none proves nothing. `root` holds what propagation knows. It also says no when
// even this sweep outgrows its limit: the whole board's would nearly always outgrow its
// own or find a second loop (nine times in ten), at several times the cost.
bool secondLoopOrLargeProof(const Grid& g, const Puzzle& p, const State& loop, const State& root,
                            int removed) {
    State fixed = loop;
    const int row = removed / g.cols, col = removed % g.cols;
    for (int r = std::max(0, row - kNearRadius); r <= std::min(g.rows - 1, row + kNearRadius); ++r)
        for (int c = std::max(0, col - kNearRadius); c <= std::min(g.cols - 1, col + kNearRadius);
             ++c)
            for (int e : g.cellEdges[g.cell(r, c)]) fixed.edge[e] = root.edge[e];
    // Columns fixed after the window would carry its fronts to the end: sweep towards the
    // side with more of them.
    const int fixedLeft = std::max(0, col - kNearRadius),
              fixedRight = std::max(0, g.cols - 1 - col - kNearRadius);
    const FrontierResult r = frontierCount(p, fixed, 2, 0, kNearWorkLimit, fixedLeft < fixedRight);
    return r.aborted || r.count >= 2;
}

constexpr int kResumeColumns = 7;

bool acceptable(const Puzzle& p, int targetGrade, const State& loop, FlipWitness& witness,
                int removed, SweepCache& sweeps) {
    const Grid& g = gridFor(p.size);
    // A second loop means no logic can finish: the cheapest disproof goes even before
    // propagation, the others before the trial.
    if (targetGrade >= kGradeTrial && witness.found(removed)) return false;
    State root{};
    if (!propagate(p, root, std::min(targetGrade, kGradeLoop))) return false;
    if (isComplete(g, root)) return isSolution(p, root);
    if (targetGrade < kGradeTrial) return false;
    if (secondLoopOrLargeProof(g, p, loop, root, removed)) return false;
    if (targetGrade == kGradeTrial)
        return propagateKnowing(p, root, kGradeTrial, loop) && isComplete(g, root) &&
               isSolution(p, root);
    // The sweep as countSolutions runs it. A proof that needs a large search makes a poor
    // level (and a slow check): keep the clue.
    // Resuming pays from kResumeColumns columns on: a shorter sweep costs about what
    // storing every front saves.
    const FrontierResult r = g.cols >= kResumeColumns
                                 ? frontierCount(p, root, 2, kGeneratorWorkLimit, sweeps)
                                 : frontierCount(p, root, 2, 0, kGeneratorWorkLimit);
    return !r.aborted && r.count == 1;
}

// Removal order for the hardest grade: 3s, then 0s, then 2s and 1s on the block's border,
// then the other 2s and 1s. The local rules feed on 3s and 0s, the look-ahead on clues in
// the open: puzzles left to lean on inner 1s and 2s need search more often.
int hardOrderRank(const Grid& g, int cell, int clue) {
    if (clue == 3) return 0;
    if (clue == 0) return 1;
    const int r = cell / g.cols, c = cell % g.cols;
    const bool border = r == 0 || c == 0 || r == g.rows - 1 || c == g.cols - 1;
    return (border ? 2 : 4) + (clue == 2 ? 0 : 1);
}

// A batch passes only when propagation alone still finishes: while it does, most removals
// pass; once sweeps are needed, most fail and a failed batch would cost a sweep.
bool solvedByPropagation(const Puzzle& p, int targetGrade) {
    State s{};
    return propagate(p, s, std::min(targetGrade, kGradeLoop)) && isComplete(gridFor(p.size), s) &&
           isSolution(p, s);
}

// Largest number of clues taken away in one check.
constexpr int kMaxBatch = 8;

int countClues(const Grid& g, const Puzzle& p) {
    int n = 0;
    for (int c = 0; c < g.cellCount; ++c) n += p.clue[c] >= 0;
    return n;
}

// Asked between checks: the attempt is no longer wanted.
struct Cancel {
    const std::atomic<int>* firstHit = nullptr;
    int attempt = 0;
    bool operator()() const {
        return firstHit && firstHit->load(std::memory_order_relaxed) < attempt;
    }
};

// A level from the loop's clues; grade 0 when cancelled.
Level levelFromLoop(const Grid& g, const State& loop, int targetGrade, int minClues, Rng& rng,
                    SweepCache& sweeps, const Cancel& cancelled) {
    Level level;
    level.puzzle = Puzzle(g.size);
    for (int c = 0; c < g.cellCount; ++c) {
        int on = 0;
        for (int e : g.cellEdges[c]) on += loop.edge[e] == kOn;
        level.puzzle.clue[c] = static_cast<int8_t>(on);
    }
    std::array<int, kMaxCells> order{};
    for (int c = 0; c < g.cellCount; ++c) order[c] = c;
    for (int i = g.cellCount - 1; i > 0; --i) std::swap(order[i], order[rng.below(i + 1)]);
    const int acceptGrade = std::min(targetGrade, kGradeSearch);
    if (acceptGrade == kGradeSearch)
        std::stable_sort(order.begin(), order.begin() + g.cellCount, [&](int a, int b) {
            return hardOrderRank(g, a, level.puzzle.clue[a]) <
                   hardOrderRank(g, b, level.puzzle.clue[b]);
        });
    int clues = g.cellCount;
    const Puzzle full = level.puzzle;
    FlipWitness witness(g, level.puzzle, loop);
    // Clues go in growing batches while batches pass, one at a time after a batch fails.
    // A batch passes when propagation alone finishes without all its clues; with more clues
    // it finishes too, so each clue would have passed one by one: the level is the same, at
    // fewer checks. Only the hardest grade gains: the others fail more batches.
    const int maxBatch = acceptGrade == kGradeSearch ? kMaxBatch : 1;
    int batch = 1;
    for (int i = 0; i < g.cellCount && clues > minClues;) {
        if (cancelled()) return Level{};
        const int n = std::min({batch, g.cellCount - i, clues - minClues});
        for (int k = i; k < i + n; ++k) level.puzzle.clue[order[k]] = -1;
        if (n == 1 ? acceptable(level.puzzle, acceptGrade, loop, witness, order[i], sweeps)
                   : solvedByPropagation(level.puzzle, acceptGrade)) {
            clues -= n;
            i += n;
            batch = std::min(2 * batch, maxBatch);
            continue;
        }
        for (int k = i; k < i + n; ++k) level.puzzle.clue[order[k]] = full.clue[order[k]];
        if (n == 1) ++i;
        batch = 1;
    }
    level.clueCount = countClues(g, level.puzzle);
    level.solution = onSegments(g, loop);
    // The loop solves the puzzle, so grading may skip the guesses that agree with it. The
    // search grade needs the solution to be the only one too: each removal kept proved that,
    // so only a full clue set is counted.
    level.grade = logicGradeKnowing(level.puzzle, loop);
    if (level.grade == kGradeSearch && clues == g.cellCount) {
        const SolveResult r = countSolutions(level.puzzle, 2, 0);
        if (r.aborted || r.count != 1) level.grade = 0;
    }
    return level;
}

} // namespace

bool leavesEmptyArea(const Grid& g, const State& loop) {
    std::array<uint8_t, kMaxCells> touched{};
    for (int c = 0; c < g.cellCount; ++c)
        for (int e : g.cellEdges[c]) touched[c] |= loop.edge[e] == kOn;
    for (int r = 0; r + kEmptyArea <= g.rows; ++r)
        for (int c = 0; c + kEmptyArea <= g.cols; ++c) {
            bool empty = true;
            for (int dr = 0; dr < kEmptyArea && empty; ++dr)
                for (int dc = 0; dc < kEmptyArea && empty; ++dc)
                    empty = !touched[g.cell(r + dr, c + dc)];
            if (empty) return true;
        }
    return false;
}

State randomLoop(SizeClass size, Rng& rng, double winding) {
    const Grid& g = gridFor(size);
    // Loops that meander across the whole block; the rule gives way only if a long run of
    // tries finds none (it never has), so this cannot spin for ever.
    for (int tries = 0;; ++tries) {
        Region reg;
        reg.rows = g.rows;
        reg.cols = g.cols;
        const int target = static_cast<int>(g.cellCount * (0.35 + 0.25 * rng.unit()));
        int area = 1;
        reg.in[rng.below(g.cellCount)] = 1;
        for (int tries = 0; tries < 40 * g.cellCount && area < target; ++tries) {
            // A random outside cell next to the region.
            const int i = rng.below(g.cellCount);
            if (reg.in[i]) continue;
            const int r = i / g.cols, c = i % g.cols;
            const int touching =
                reg.at(r - 1, c) + reg.at(r + 1, c) + reg.at(r, c - 1) + reg.at(r, c + 1);
            if (touching == 0) continue;
            if (touching > 1 && winding > 0 && rng.unit() < winding) continue;
            reg.in[i] = 1;
            if (cornerOk(reg, r, c) && noHoles(reg))
                ++area;
            else
                reg.in[i] = 0;
        }
        State s{};
        int length = 0, border = 0;
        for (int e = 0; e < g.edgeCount; ++e) {
            const int a = g.edgeCells[e][0], b = g.edgeCells[e][1];
            const bool ia = a >= 0 && reg.in[a], ib = b >= 0 && reg.in[b];
            s.edge[e] = ia != ib ? kOn : kOff;
            if (ia != ib) {
                ++length;
                border += a < 0 || b < 0;
            }
        }
        // Interesting: mostly inside the block, not a plain rectangle-ish blob on the edge.
        if (area < target || 5 * border > 2 * length || length < g.rows + g.cols) continue;
        if (tries < kMeanderTries && leavesEmptyArea(g, s)) continue;
        Puzzle none(size);
        if (isSolution(none, s)) return s;
    }
}

namespace {

// Attempts shared by the workers of one generateLevel.
class Attempts {
  public:
    Attempts(SizeClass size, int targetGrade, int minClues, std::vector<uint64_t> seeds)
        : size_(size), targetGrade_(targetGrade), minClues_(minClues), seeds_(std::move(seeds)),
          levels_(seeds_.size()), firstHit_(static_cast<int>(seeds_.size())) {}

    // Takes attempts in number order until none below the first hit is left.
    void work() {
        thread_local SweepCache sweeps; // its tables serve every attempt on this thread
        for (;;) {
            const int k = next_.fetch_add(1);
            if (k >= firstHit_.load()) return;
            Rng rng(seeds_[k]);
            const State loop =
                randomLoop(size_, rng, targetGrade_ >= kGradeSearch ? kHardestWinding : 0.0);
            levels_[k] = levelFromLoop(gridFor(size_), loop, targetGrade_, minClues_, rng, sweeps,
                                       Cancel{&firstHit_, k});
            if (levels_[k].grade != targetGrade_) continue;
            int hit = firstHit_.load();
            while (k < hit && !firstHit_.compare_exchange_weak(hit, k)) {
            }
        }
    }

    // The first on-target level by number, else the hardest below the target.
    Level result() {
        const int hit = firstHit_.load();
        if (hit < static_cast<int>(levels_.size())) return std::move(levels_[hit]);
        Level best;
        for (Level& level : levels_)
            if (level.grade > best.grade && level.grade < targetGrade_) best = std::move(level);
        return best;
    }

  private:
    SizeClass size_;
    int targetGrade_;
    int minClues_;
    std::vector<uint64_t> seeds_;
    std::vector<Level> levels_;
    std::atomic<int> next_{0};
    std::atomic<int> firstHit_;
};

} // namespace

int generatorWorkers() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
}

Level generateLevel(SizeClass size, int targetGrade, int minClues, Rng& rng, int maxAttempts,
                    int workers) {
    std::vector<uint64_t> seeds(static_cast<std::size_t>(std::max(maxAttempts, 0)));
    for (uint64_t& seed : seeds) seed = rng.next();
    Attempts attempts(size, targetGrade, minClues, std::move(seeds));
    // A helper that starts late finds no attempt left: the caller's own run takes them all.
    WorkerPool::shared().runBeside(std::min(workers, maxAttempts) - 1,
                                   [&attempts] { attempts.work(); });
    return attempts.result();
}

int scheduledGrade(SizeClass, int i, int n) {
    const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0.0;
    if (t < 0.2) return kGradeLocal;
    if (t < 0.45) return kGradeLoop;
    if (t < 0.75) return kGradeTrial;
    return kGradeSearch;
}

int scheduledMinClues(SizeClass size, int i, int n) {
    const Grid& g = gridFor(size);
    const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0.0;
    if (t >= 0.2) return 0;
    // Generous first levels: from 70% of the squares down to 40%.
    const double share = 0.70 - 0.30 * (t / 0.2);
    return static_cast<int>(g.cellCount * share);
}

std::vector<Level> generateSet(SizeClass size, int n, uint64_t seed, int fixedGrade) {
    struct Made {
        Level level;
        int index;
    };
    std::vector<Made> made;
    std::set<std::string> seen;
    for (int i = 0; i < n; ++i) {
        for (uint64_t salt = 0;; ++salt) {
            uint64_t mix =
                seed ^ (0xA24BAED4963EE407ull * static_cast<uint64_t>(i + 1)) ^ (salt << 48);
            Rng rng(splitmix64(mix));
            const int grade = fixedGrade > 0 ? fixedGrade : scheduledGrade(size, i, n);
            const int minClues = fixedGrade > 0 ? 0 : scheduledMinClues(size, i, n);
            Level level = generateLevel(size, grade, minClues, rng);
            if (level.grade == 0) continue;
            const std::string key =
                formatSegmentList(level.solution) + "|" + clueLine(level.puzzle);
            if (!seen.insert(key).second) continue;
            made.push_back({std::move(level), i});
            break;
        }
    }
    std::stable_sort(made.begin(), made.end(), [](const Made& a, const Made& b) {
        if (a.level.grade != b.level.grade) return a.level.grade < b.level.grade;
        if (a.level.clueCount != b.level.clueCount) return a.level.clueCount > b.level.clueCount;
        return a.index < b.index;
    });
    std::vector<Level> out;
    const auto& messages = successMessages();
    uint64_t mix = seed ^ 0x5EED5EED5EED5EEDull;
    Rng rng(splitmix64(mix));
    int previous = -1;
    for (Made& m : made) {
        int pick = rng.below(static_cast<int>(messages.size()));
        if (pick == previous) pick = (pick + 1) % static_cast<int>(messages.size());
        previous = pick;
        m.level.message = messages[pick];
        out.push_back(std::move(m.level));
    }
    return out;
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

const std::vector<std::string>& successMessages() {
    static const std::vector<std::string> messages{
        "Well done!",
        "Nicely solved!",
        "Great loop!",
        "You did it!",
        "Splendid work!",
        "Loop closed - bravo!",
        "That's the one!",
        "Brilliant!",
        "Neat and tidy!",
        "Perfect loop!",
        "Excellent thinking!",
        "Smoothly done!",
        "Right around!",
        "Full circle!",
        "Top marks!",
        "Sharp eyes!",
        "Clever you!",
        "Beautifully done!",
        "Every clue agrees!",
        "Solved it!",
        "What a loop!",
        "Well reasoned!",
        "Spot on!",
        "Round and done!",
        "Masterful!",
        "A fine loop!",
        "Nothing left to guess!",
        "Great logic!",
        "Ring complete!",
        "Superb!",
        "Hooray!",
        "Closed the circuit!",
        "Nice going!",
        "Marvellous!",
        "Loop master!",
    };
    return messages;
}

} // namespace quirn::solver
