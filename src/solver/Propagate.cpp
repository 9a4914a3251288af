// Propagation to a grade's fixed point, the look-ahead, and grading.
#include "solver/FrontierCount.h"
#include "solver/GlobalPasses.h"
#include "solver/LocalRules.h"

#include <algorithm>

namespace quirn::solver {
namespace {

// The passes over the whole board, by grade, after the local rules: propagation starts
// again from the local rules after any progress.
struct GlobalPass {
    int grade;
    PassResult (*run)(const Grid&, const Puzzle&, State&);
};
constexpr std::array<GlobalPass, 2> kGlobalPasses{{
    {kGradeTricky, &insideOutside},
    {kGradeTricky, &connectivity},
}};

// Where a settle starts from: a state no rule has seen, one that differs from a fixed point
// of the same rules only by decisions, such a fixed point with one open edge to decide, or
// a fixed point.
struct From {
    const State* closed = nullptr;
    int edge = -1;
    int8_t value = kUnknown;
    bool settled = false;
};

class Propagation {
  public:
    Propagation(const Puzzle& p, const Grading& how)
        : g_(gridFor(p.size)), p_(p), solution_(how.solution), hints_(how.hints), found_(how.found),
          focus_(how.focus), sweep_(how.secondLoopSweep), easy_(g_, p, false),
          normal_(g_, p, true) {}

    // The fixed point of every pass up to maxGrade. hardDone: `s` is already a fixed point
    // of the hard grade.
    bool run(State& s, int maxGrade, From from, bool hardDone = false) {
        if (!settle(s, maxGrade, from)) return false;
        if (maxGrade < kGradeHard) return true;
        int start = 0;
        for (;;) {
            if (!hardDone && !lookAheadAtHard(s)) return false;
            hardDone = false;
            if (maxGrade < kGradeFiendish || isComplete(g_, s)) return true;
            if (sweep_ > 0) {
                const FrontierResult r = frontierCount(p_, s, 2, 0, sweep_);
                sweep_ = 0;
                if (!r.aborted && r.count >= 2) return false; // two loops
            }
            // The deep look-ahead stops at its first finding: the cheap one may go on from it.
            switch (lookAhead(s, kGradeTricky, kGradeTricky, true, start)) {
            case PassResult::Contradiction:
                return false;
            case PassResult::Stuck:
                return true;
            case PassResult::Progress:
                break;
            }
        }
    }

  private:
    // The passes below the look-ahead, up to maxGrade.
    bool settle(State& s, int maxGrade, From from) {
        const int grade = std::min(maxGrade, kGradeTricky);
        if (grade < kGradeEasy || from.settled) return true;
        LocalRules& local = grade >= kGradeNormal ? normal_ : easy_;
        local.clearTrail();
        if (from.edge >= 0) {
            if (!local.decide(s, from.edge, from.value)) return false;
        } else if (from.closed) {
            if (!local.touchChanges(s, *from.closed)) return false;
        } else {
            if (grade >= kGradeNormal && !applyThreePatterns(g_, p_, s)) return false;
            if (!local.touchAll(s)) return false;
        }
        for (;;) {
            if (!local.close(s)) return false;
            const State seen = s;
            PassResult r = PassResult::Stuck;
            for (const GlobalPass& pass : kGlobalPasses) {
                if (pass.grade > grade) break;
                r = pass.run(g_, p_, s);
                if (r != PassResult::Stuck) break;
            }
            if (r != PassResult::Progress) return r == PassResult::Stuck;
            if (!local.touchChanges(s, seen)) return false;
        }
    }

    // The hard grade's fixed point from one of the tricky grade: the look-ahead with the
    // easy and normal rules, whose findings are followed by those rules only; the tricky
    // passes go once the look-ahead has nothing more, and again while they find something.
    bool lookAheadAtHard(State& s) {
        for (int start = 0;;) {
            switch (lookAhead(s, kGradeNormal, kGradeNormal, false, start)) {
            case PassResult::Contradiction:
                return false;
            case PassResult::Stuck:
                return true; // s has not changed: still a fixed point of the tricky grade
            case PassResult::Progress:
                break;
            }
            const State before = s;
            if (!settle(s, kGradeTricky, From{&before})) return false;
            if (s == before) return true;
        }
    }

    // Assumes each open edge both ways and follows the passes up to `inner`: a way that
    // contradicts is crossed out, and the passes up to `after` follow. Goes round the edges
    // from `start` until a whole round finds nothing (or, firstOnly, to the first finding;
    // `start` then names the next edge). `s` is a fixed point of the normal grade's local
    // rules, and stays one.
    PassResult lookAhead(State& s, int inner, int after, bool firstOnly, int& start) {
        bool progress = false;
        const int level = inner == kGradeNormal ? 0 : 1;
        switch (replay(s, inner, after, level)) {
        case PassResult::Contradiction:
            return PassResult::Contradiction;
        case PassResult::Progress:
            if (firstOnly) return PassResult::Progress;
            progress = true;
            break;
        case PassResult::Stuck:
            break;
        }
        // A guess that another guess's fixed point contains, from this same state, cannot
        // fail either: the rules only add facts. Any finding changes the state and clears this.
        std::array<uint8_t, kMaxEdges> consistent{};
        const int n = g_.edgeCount;
        for (int e = start % n, quiet = 0; quiet < n; e = e + 1 < n ? e + 1 : 0) {
            ++quiet;
            if (s.edge[e] != kUnknown || (focus_ && !(*focus_)[e])) continue;
            for (int8_t guess : {kOn, kOff}) {
                if ((solution_ && solution_->edge[e] == guess) || (consistent[e] & guess)) continue;
                State t = s;
                if (settle(t, inner, From{nullptr, e, guess})) {
                    for (int f : normal_.trail())
                        if (s.edge[f] == kUnknown) consistent[f] |= t.edge[f];
                    continue;
                }
                consistent.fill(0);
                if (!refute(s, e, guess, after, level)) return PassResult::Contradiction;
                progress = true;
                quiet = 0;
                if (firstOnly) {
                    start = e + 1;
                    return PassResult::Progress;
                }
                break;
            }
        }
        return progress ? PassResult::Progress : PassResult::Stuck;
    }

    // The hinted findings of this look-ahead not tried yet, each kept if its assumption
    // still contradicts.
    PassResult replay(State& s, int inner, int after, int level) {
        if (!hints_) return PassResult::Stuck;
        const auto& hinted = hints_->findings[level];
        bool progress = false;
        for (; replayed_[level] < hinted.size(); ++replayed_[level]) {
            const int e = hinted[replayed_[level]] / 2;
            const int8_t guess = hinted[replayed_[level]] % 2 ? kOn : kOff;
            if (s.edge[e] != kUnknown) continue;
            State t = s;
            if (settle(t, inner, From{nullptr, e, guess})) continue;
            if (!refute(s, e, guess, after, level)) return PassResult::Contradiction;
            progress = true;
        }
        return progress ? PassResult::Progress : PassResult::Stuck;
    }

    // The assumption edge e = guess contradicted: e takes the other way.
    bool refute(State& s, int e, int8_t guess, int after, int level) {
        if (found_) found_->findings[level].push_back(static_cast<int16_t>(2 * e + (guess == kOn)));
        return settle(s, after, From{nullptr, e, guess == kOn ? kOff : kOn});
    }

    const Grid& g_;
    const Puzzle& p_;
    const State* solution_;
    const LookAheadLog* hints_;
    LookAheadLog* found_;
    const std::array<uint8_t, kMaxEdges>* focus_;
    long sweep_; // 0 once done
    std::array<std::size_t, 2> replayed_{};
    LocalRules easy_, normal_;
};

} // namespace

bool propagate(const Puzzle& puzzle, State& state, int maxGrade) {
    return Propagation(puzzle, Grading{}).run(state, maxGrade, From{});
}

bool propagateKnowing(const Puzzle& puzzle, State& state, int maxGrade, const State& solution) {
    Grading how;
    how.solution = &solution;
    return Propagation(puzzle, how).run(state, maxGrade, From{});
}

int logicGrade(const Puzzle& puzzle, const Grading& how) {
    const Grid& g = gridFor(puzzle.size);
    Propagation propagation(puzzle, how);
    // Each grade goes on from the previous one's fixed point: its passes include those.
    State s{};
    const int first = std::max(how.minGrade, kGradeEasy);
    int result = kNeedsSearch;
    for (int grade = first; grade <= std::min(how.maxGrade, kGradeFiendish); ++grade) {
        // The normal grade brings new local rules: everything is looked at again then.
        const bool fresh = grade == first || grade <= kGradeNormal;
        From from;
        from.settled = !fresh && grade > kGradeTricky;
        from.closed = fresh ? nullptr : &s;
        const bool hardDone = grade == kGradeFiendish && grade > first;
        if (!propagation.run(s, grade, from, hardDone)) {
            result = 0;
            break;
        }
        if (isComplete(g, s)) {
            result = isSolution(puzzle, s) ? grade : 0;
            break;
        }
    }
    return result;
}

} // namespace quirn::solver
