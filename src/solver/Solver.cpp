#include "solver/Solver.h"

#include "solver/FrontierCount.h"

#include <algorithm>

namespace quirn::solver {
namespace {

inline int otherDot(const Grid& g, int edge, int dot) {
    return g.edgeDots[edge][0] == dot ? g.edgeDots[edge][1] : g.edgeDots[edge][0];
}

// Grade 1 for one clued square: its count of sides. setSide(e, v) decides an open side.
// False: contradiction.
template <class SetSide>
bool clueRule(const Grid& g, const Puzzle& p, const State& s, int c, SetSide&& setSide) {
    const int k = p.clue[c];
    int on = 0, unknown = 0;
    for (int e : g.cellEdges[c]) {
        on += s.edge[e] == kOn;
        unknown += s.edge[e] == kUnknown;
    }
    if (on > k || on + unknown < k) return false;
    if (unknown == 0) return true;
    const int8_t set = on == k ? kOff : (on + unknown == k ? kOn : kUnknown);
    if (set == kUnknown) return true;
    for (int e : g.cellEdges[c])
        if (s.edge[e] == kUnknown) setSide(e, set);
    return true;
}

// Grade 1 for one dot: degree 0 or 2.
template <class SetSide> bool dotRule(const Grid& g, const State& s, int d, SetSide&& setSide) {
    int on = 0, unknown = 0;
    const int n = g.dotEdgeCount[d];
    for (int i = 0; i < n; ++i) {
        const int8_t v = s.edge[g.dotEdges[d][i]];
        on += v == kOn;
        unknown += v == kUnknown;
    }
    if (on > 2 || (unknown == 0 && on == 1)) return false;
    if (unknown == 0) return true;
    int8_t set = kUnknown;
    if (on == 2)
        set = kOff;
    else if (on == 1 && unknown == 1)
        set = kOn;
    else if (on == 0 && unknown == 1)
        set = kOff;
    if (set == kUnknown) return true;
    for (int i = 0; i < n; ++i) {
        const int e = g.dotEdges[d][i];
        if (s.edge[e] == kUnknown) setSide(e, set);
    }
    return true;
}

// Grade 1: a clue's count of sides.
PassResult cluePass(const Grid& g, const Puzzle& p, State& s) {
    bool progress = false;
    auto setSide = [&](int e, int8_t v) {
        s.edge[e] = v;
        progress = true;
    };
    for (int c = 0; c < g.cellCount; ++c)
        if (p.clue[c] >= 0 && !clueRule(g, p, s, c, setSide)) return PassResult::Contradiction;
    return progress ? PassResult::Progress : PassResult::Stuck;
}

// Grade 1: every dot has degree 0 or 2.
PassResult dotPass(const Grid& g, const Puzzle&, State& s) {
    bool progress = false;
    auto setSide = [&](int e, int8_t v) {
        s.edge[e] = v;
        progress = true;
    };
    for (int d = 0; d < g.dotCount; ++d)
        if (!dotRule(g, s, d, setSide)) return PassResult::Contradiction;
    return progress ? PassResult::Progress : PassResult::Stuck;
}

// True when turning `edge` on, closing the loop with every other unknown off, meets all clues.
bool closingMeetsClues(const Grid& g, const Puzzle& p, const State& s, int edge) {
    for (int c = 0; c < g.cellCount; ++c) {
        const int k = p.clue[c];
        if (k < 0) continue;
        int on = 0;
        for (int e : g.cellEdges[c]) on += s.edge[e] == kOn || e == edge;
        if (on != k) return false;
    }
    return true;
}

// Grade 2: an edge joining the two ends of one path would close a loop; that is only
// allowed when the path holds every marked edge and the closed loop meets all clues.
PassResult loopPass(const Grid& g, const Puzzle& p, State& s) {
    std::array<int8_t, kMaxDots> degree{};
    int totalOn = 0;
    for (int e = 0; e < g.edgeCount; ++e)
        if (s.edge[e] == kOn) {
            ++degree[g.edgeDots[e][0]];
            ++degree[g.edgeDots[e][1]];
            ++totalOn;
        }
    std::array<uint8_t, kMaxDots> seen{};
    bool progress = false;
    for (int d = 0; d < g.dotCount; ++d) {
        if (degree[d] != 1 || seen[d]) continue;
        int cur = d, came = -1, length = 0;
        for (;;) {
            int next = -1;
            for (int i = 0; i < g.dotEdgeCount[cur]; ++i) {
                const int e = g.dotEdges[cur][i];
                if (e != came && s.edge[e] == kOn) {
                    next = e;
                    break;
                }
            }
            if (next < 0) break;
            ++length;
            came = next;
            cur = otherDot(g, next, cur);
            if (degree[cur] != 2) break;
        }
        if (degree[cur] != 1) return PassResult::Contradiction;
        seen[d] = seen[cur] = 1;
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) {
            const int e = g.dotEdges[d][i];
            if (s.edge[e] != kUnknown || otherDot(g, e, d) != cur) continue;
            if (length < totalOn || !closingMeetsClues(g, p, s, e)) {
                s.edge[e] = kOff;
                progress = true;
            }
        }
    }
    return progress ? PassResult::Progress : PassResult::Stuck;
}

// Grade 2: a straight line across the block is crossed an even number of times.
PassResult parityPass(const Grid& g, const Puzzle&, State& s) {
    bool progress = false;
    for (int l = 0; l < g.lineCount; ++l) {
        int on = 0, unknown = 0, last = -1;
        for (int i = 0; i < g.lineLength[l]; ++i) {
            const int e = g.lineEdges[l][i];
            on += s.edge[e] == kOn;
            if (s.edge[e] == kUnknown) {
                ++unknown;
                last = e;
            }
        }
        if (unknown == 0 && (on & 1)) return PassResult::Contradiction;
        if (unknown == 1) {
            s.edge[last] = (on & 1) ? kOn : kOff;
            progress = true;
        }
    }
    return progress ? PassResult::Progress : PassResult::Stuck;
}

// Regions of squares (plus the outside) whose colours, inside or outside, are tied: each
// square names its region and its colour relative to the region's first square. Joining
// two regions relabels one; that is rare next to the lookups.
struct ColourSets {
    int nodes = 0;
    std::array<int16_t, kMaxCells + 1> region{};
    std::array<int8_t, kMaxCells + 1> rel{};
    // The squares and the outside joined across every decided side. False: a cycle of
    // decided sides with an odd number on.
    bool label(const Grid& g, const State& s) {
        nodes = g.cellCount + 1;
        std::array<int16_t, kMaxCells + 1> stack{};
        for (int i = 0; i < nodes; ++i) region[i] = -1;
        for (int root = 0; root < nodes; ++root) {
            if (region[root] >= 0) continue;
            region[root] = static_cast<int16_t>(root);
            rel[root] = 0;
            int top = 0;
            stack[top++] = static_cast<int16_t>(root);
            while (top > 0) {
                const int x = stack[--top];
                auto reach = [&](int e, int n) {
                    if (s.edge[e] == kUnknown) return true;
                    const int8_t r = static_cast<int8_t>(rel[x] ^ (s.edge[e] == kOn));
                    if (region[n] < 0) {
                        region[n] = static_cast<int16_t>(root);
                        rel[n] = r;
                        stack[top++] = static_cast<int16_t>(n);
                        return true;
                    }
                    return rel[n] == r;
                };
                if (x == g.cellCount) {
                    for (int k = 0; k < g.borderCount; ++k)
                        if (!reach(g.borderEdges[k], g.borderCells[k])) return false;
                } else {
                    for (int k = 0; k < 4; ++k)
                        if (!reach(g.cellEdges[x][k], g.cellNeighbours[x][k])) return false;
                }
            }
        }
        return true;
    }
    int find(int x, int& parity) const {
        parity = rel[x];
        return region[x];
    }
    // -1: conflict, 0: known already, 1: joined.
    int unite(int a, int b, int parity) {
        const int ra = region[a], rb = region[b];
        const int flip = rel[a] ^ rel[b] ^ parity;
        if (ra == rb) return flip == 0 ? 0 : -1;
        for (int x = 0; x < nodes; ++x)
            if (region[x] == ra) {
                region[x] = static_cast<int16_t>(rb);
                rel[x] = static_cast<int8_t>(rel[x] ^ flip);
            }
        return 1;
    }
};

// For two of a square's four sides (i < j), the other two.
constexpr int8_t kOtherSides[4][4][2] = {
    {{}, {2, 3}, {1, 3}, {1, 2}},
    {{}, {}, {0, 3}, {0, 2}},
    {{}, {}, {}, {0, 1}},
    {},
};

// Grade 2: the loop splits the squares into inside and outside (beyond the block is
// outside). A marked side means the two squares differ, a crossed one that they agree;
// clues relate their neighbours' colours; both regions must hang together.
PassResult colourPass(const Grid& g, const Puzzle& p, State& s) {
    const int outside = g.cellCount;
    ColourSets sets;
    if (!sets.label(g, s)) return PassResult::Contradiction;
    auto side = [&](int e, int k) { return static_cast<int>(g.edgeSides[e][k]); };
    bool progress = false;
    for (bool grew = true; grew;) {
        grew = false;
        for (int c = 0; c < g.cellCount; ++c) {
            const int k = p.clue[c];
            if (k < 1 || k > 3) continue;
            std::array<int, 4> root{}, par{};
            for (int i = 0; i < 4; ++i) root[i] = sets.find(g.cellNeighbours[c][i], par[i]);
            // Most squares touch four different regions: nothing to learn there.
            if (root[0] != root[1] && root[0] != root[2] && root[0] != root[3] &&
                root[1] != root[2] && root[1] != root[3] && root[2] != root[3])
                continue;
            const auto& edges = g.cellEdges[c];
            int open = 0;
            for (int e : edges) open += s.edge[e] == kUnknown;
            if (open == 0) continue;
            for (int i = 0; i < 4; ++i)
                for (int j = i + 1; j < 4; ++j) {
                    if (root[i] != root[j]) continue;
                    const int differ = par[i] ^ par[j];
                    const int a = kOtherSides[i][j][0], b = kOtherSides[i][j][1];
                    if (k != 2) {
                        const int8_t v = k == 1 ? kOff : kOn;
                        const int t0 = differ ? a : i, t1 = differ ? b : j;
                        for (int t : {t0, t1}) {
                            if (s.edge[edges[t]] == kUnknown) {
                                s.edge[edges[t]] = v;
                                progress = true;
                            } else if (s.edge[edges[t]] != v) {
                                return PassResult::Contradiction;
                            }
                        }
                    } else {
                        auto nb = [&](int x) { return g.cellNeighbours[c][x]; };
                        int r1 = 0, r2 = 0;
                        if (!differ) {
                            r1 = sets.unite(nb(a), nb(i), 1);
                            r2 = sets.unite(nb(b), nb(i), 1);
                        } else {
                            r1 = sets.unite(nb(a), nb(b), 1);
                        }
                        if (r1 < 0 || r2 < 0) return PassResult::Contradiction;
                        if (r1 > 0 || r2 > 0) grew = true;
                    }
                }
        }
    }
    for (int e = 0; e < g.edgeCount; ++e) {
        if (s.edge[e] != kUnknown) continue;
        int pa = 0, pb = 0;
        if (sets.find(side(e, 0), pa) != sets.find(side(e, 1), pb)) continue;
        s.edge[e] = (pa ^ pb) ? kOn : kOff;
        progress = true;
    }
    if (progress) return PassResult::Progress;
    // Known colours: 1 inside, 0 outside, -1 unknown. Each region must be connected.
    int po = 0;
    const int outRoot = sets.find(outside, po);
    std::array<int8_t, kMaxCells + 1> colour{};
    int firstIn = -1, inCount = 0, outCount = 0;
    for (int c = 0; c <= g.cellCount; ++c) {
        int pc = 0;
        colour[c] = sets.find(c, pc) == outRoot ? static_cast<int8_t>(pc ^ po) : int8_t{-1};
        if (colour[c] == 1) {
            ++inCount;
            if (firstIn < 0) firstIn = c;
        } else if (colour[c] == 0) {
            ++outCount;
        }
    }
    for (int want = 0; want <= 1; ++want) {
        const int start = want ? firstIn : outside;
        if (start < 0) continue;
        std::array<uint8_t, kMaxCells + 1> seen{};
        std::array<int16_t, kMaxCells + 1> stack{};
        int top = 0, reached = 0;
        seen[start] = 1;
        stack[top++] = static_cast<int16_t>(start);
        while (top > 0) {
            const int c = stack[--top];
            if (colour[c] == want) ++reached;
            auto visit = [&](int e, int n) {
                if (s.edge[e] == kOn || seen[n] || colour[n] == 1 - want) return;
                seen[n] = 1;
                stack[top++] = static_cast<int16_t>(n);
            };
            if (c == outside) {
                // The outside touches every border square.
                for (int k = 0; k < g.borderCount; ++k) visit(g.borderEdges[k], g.borderCells[k]);
                continue;
            }
            for (int k = 0; k < 4; ++k) visit(g.cellEdges[c][k], g.cellNeighbours[c][k]);
        }
        if (reached != (want ? inCount : outCount)) return PassResult::Contradiction;
    }
    return PassResult::Stuck;
}

// Grade 2: all marked edges lie on one loop, so they must share one component of the
// marked-or-open graph; edges in any other component are off.
PassResult connectivityPass(const Grid& g, const Puzzle&, State& s) {
    int anyOn = -1;
    for (int e = 0; e < g.edgeCount && anyOn < 0; ++e)
        if (s.edge[e] == kOn) anyOn = e;
    if (anyOn < 0) return PassResult::Stuck;
    std::array<uint8_t, kMaxDots> reached{};
    std::array<int16_t, kMaxDots> stack{};
    int top = 0;
    reached[g.edgeDots[anyOn][0]] = 1;
    stack[top++] = g.edgeDots[anyOn][0];
    while (top > 0) {
        const int d = stack[--top];
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) {
            const int e = g.dotEdges[d][i];
            if (s.edge[e] == kOff) continue;
            const int n = otherDot(g, e, d);
            if (reached[n]) continue;
            reached[n] = 1;
            stack[top++] = static_cast<int16_t>(n);
        }
    }
    bool progress = false;
    for (int e = 0; e < g.edgeCount; ++e) {
        if (s.edge[e] == kOff || reached[g.edgeDots[e][0]]) continue;
        if (s.edge[e] == kOn) return PassResult::Contradiction;
        s.edge[e] = kOff;
        progress = true;
    }
    return progress ? PassResult::Progress : PassResult::Stuck;
}

// Grade 3: try each open edge both ways with the grade-2 rules; a way that fails is out.
// With a known solution, the guess agreeing with it is skipped: sound rules cannot refute
// it, so the outcome is the same at half the work.
// propagate for a state that differs from `closed`, a fixed point of the grade-1 rules, only
// by decided sides: those rules look again only beside the differences.
bool propagateFrom(const Puzzle& puzzle, State& state, int maxGrade, const State* solution,
                   const State* closed);

// sClosed: s is a fixed point of the grade-1 rules, as inside propagate.
// The edges are tried round and round until a whole round changes nothing: every guess has
// then been tried against the final state, which is therefore a fixed point of every pass.
PassResult trialWith(const Grid& g, const Puzzle& p, State& s, const State* solution,
                     bool sClosed) {
    bool progress = false;
    // A guess that another guess's fixed point contains, from this same state, cannot fail
    // either: the rules only add facts. Any progress changes the state and clears this.
    std::array<uint8_t, kMaxEdges> consistent{};
    for (int e = 0, quiet = 0; quiet < g.edgeCount; e = e + 1 < g.edgeCount ? e + 1 : 0) {
        ++quiet;
        if (s.edge[e] != kUnknown) continue;
        for (int8_t guess : {kOn, kOff}) {
            if (solution && solution->edge[e] == guess) continue;
            if (consistent[e] & guess) continue;
            State t = s;
            t.edge[e] = guess;
            if (propagateFrom(p, t, kGradeTrial - 1, nullptr, sClosed ? &s : nullptr)) {
                for (int f = 0; f < g.edgeCount; ++f)
                    if (s.edge[f] == kUnknown) consistent[f] |= t.edge[f];
                continue;
            }
            consistent.fill(0);
            s.edge[e] = guess == kOn ? kOff : kOn;
            progress = true;
            quiet = 0;
            if (!propagate(p, s, kGradeTrial - 1)) return PassResult::Contradiction;
            sClosed = true;
            break;
        }
    }
    return progress ? PassResult::Progress : PassResult::Stuck;
}

PassResult trialPass(const Grid& g, const Puzzle& p, State& s) {
    return trialWith(g, p, s, nullptr, false);
}

constexpr std::array<Pass, 7> kPasses{{
    {kGradeLocal, "clue count", &cluePass},
    {kGradeLocal, "dot degree", &dotPass},
    {kGradeLoop, "inside/outside", &colourPass},
    {kGradeLoop, "no early loop", &loopPass},
    {kGradeLoop, "line parity", &parityPass},
    {kGradeLoop, "connectivity", &connectivityPass},
    {kGradeTrial, "one-step trial", &trialPass},
}};

// Path end with the fewest open edges (ties: most clues around it), else an open side
// of the tightest clue, else any open edge.
int pickBranch(const Grid& g, const Puzzle& p, const State& s) {
    int best = -1, bestKey = 1 << 30;
    for (int d = 0; d < g.dotCount; ++d) {
        int on = 0, open = 0, first = -1;
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) {
            const int e = g.dotEdges[d][i];
            on += s.edge[e] == kOn;
            if (s.edge[e] == kUnknown) {
                ++open;
                if (first < 0) first = e;
            }
        }
        if (on != 1 || open == 0) continue;
        int clued = 0;
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) {
            const int e = g.dotEdges[d][i];
            for (int k = 0; k < 2; ++k)
                clued += g.edgeCells[e][k] >= 0 && p.clue[g.edgeCells[e][k]] >= 0;
        }
        const int key = open * 16 - clued;
        if (key < bestKey) {
            best = first;
            bestKey = key;
        }
    }
    if (best >= 0) return best;
    int bestScore = -1;
    for (int c = 0; c < g.cellCount; ++c) {
        if (p.clue[c] < 0) continue;
        int open = 0, first = -1;
        for (int e : g.cellEdges[c])
            if (s.edge[e] == kUnknown) {
                ++open;
                if (first < 0) first = e;
            }
        if (open == 0) continue;
        const int score = p.clue[c] * 4 + (4 - open);
        if (score > bestScore) {
            bestScore = score;
            best = first;
        }
    }
    if (best >= 0) return best;
    for (int e = 0; e < g.edgeCount; ++e)
        if (s.edge[e] == kUnknown) return e;
    return -1;
}

struct Searcher {
    const Grid& g;
    const Puzzle& p;
    int cap;
    int keep;
    long nodeLimit;
    SolveResult& result;

    void run(State s) {
        if (nodeLimit > 0 && result.nodes >= nodeLimit) {
            result.aborted = true;
            return;
        }
        ++result.nodes;
        if (!propagate(p, s, kGradeLoop)) return;
        const int b = pickBranch(g, p, s);
        if (b < 0) {
            if (!isSolution(p, s)) return;
            if (static_cast<int>(result.solutions.size()) < keep) result.solutions.push_back(s);
            ++result.count;
            return;
        }
        State t = s;
        t.edge[b] = kOn;
        run(t);
        if (result.count >= cap || result.aborted) return;
        s.edge[b] = kOff;
        run(s);
    }
};

} // namespace

Puzzle puzzleFromSquares(SizeClass size, const std::array<int8_t, kSquareCount>& squareClues) {
    const Grid& g = gridFor(size);
    Puzzle p(size);
    for (int c = 0; c < g.cellCount; ++c) p.clue[c] = squareClues[g.cellSquare[c]];
    return p;
}

std::span<const Pass> deductionPasses() {
    return kPasses;
}

namespace {

// The fixed point of the grade-1 passes (clue counts, dot degrees) by a work list: only the
// squares and dots beside a side that changed since `seen` are looked at again. These rules
// only add facts, so the fixed point, and whether it breaks a rule, does not depend on the
// order. False: contradiction.
class LocalRules {
  public:
    LocalRules(const Grid& g, const Puzzle& p) : g_(g), p_(p) {}

    bool close(State& s, const State& seen) {
        for (int e = 0; e < g_.edgeCount; ++e)
            if (s.edge[e] != seen.edge[e]) touch(e);
        while (cellTop_ > 0 || dotTop_ > 0) {
            if (cellTop_ > 0) {
                const int c = cells_[--cellTop_];
                cellQueued_[c] = 0;
                if (!cell(s, c)) return false;
            } else {
                const int d = dots_[--dotTop_];
                dotQueued_[d] = 0;
                if (!dot(s, d)) return false;
            }
        }
        return true;
    }
    // Every square and dot, for a state no closure has seen.
    void touchAll() {
        for (int c = 0; c < g_.cellCount; ++c) queueCell(c);
        for (int d = 0; d < g_.dotCount; ++d) queueDot(d);
    }

  private:
    void queueCell(int c) {
        if (c < 0 || cellQueued_[c] || p_.clue[c] < 0) return;
        cellQueued_[c] = 1;
        cells_[cellTop_++] = static_cast<int16_t>(c);
    }
    void queueDot(int d) {
        if (dotQueued_[d]) return;
        dotQueued_[d] = 1;
        dots_[dotTop_++] = static_cast<int16_t>(d);
    }
    void touch(int e) {
        queueCell(g_.edgeCells[e][0]);
        queueCell(g_.edgeCells[e][1]);
        queueDot(g_.edgeDots[e][0]);
        queueDot(g_.edgeDots[e][1]);
    }
    void set(State& s, int e, int8_t v) {
        s.edge[e] = v;
        touch(e);
    }
    bool cell(State& s, int c) {
        return clueRule(g_, p_, s, c, [&](int e, int8_t v) { set(s, e, v); });
    }
    bool dot(State& s, int d) {
        return dotRule(g_, s, d, [&](int e, int8_t v) { set(s, e, v); });
    }

    const Grid& g_;
    const Puzzle& p_;
    std::array<int16_t, kMaxCells> cells_{};
    std::array<int16_t, kMaxDots> dots_{};
    std::array<uint8_t, kMaxCells> cellQueued_{};
    std::array<uint8_t, kMaxDots> dotQueued_{};
    int cellTop_ = 0;
    int dotTop_ = 0;
};

bool propagateWith(const Puzzle& puzzle, State& state, int maxGrade, const State* solution) {
    return propagateFrom(puzzle, state, maxGrade, solution, nullptr);
}

bool propagateFrom(const Puzzle& puzzle, State& state, int maxGrade, const State* solution,
                   const State* closed) {
    const Grid& g = gridFor(puzzle.size);
    if (maxGrade < kGradeLocal) return true;
    LocalRules local(g, puzzle);
    if (!closed) local.touchAll();
    State seen = closed ? *closed : state;
restart:
    // The grade-1 passes run until both are stuck before any other pass: their closure.
    if (!local.close(state, seen)) return false;
    seen = state;
    for (const Pass& pass : kPasses) {
        if (pass.grade > maxGrade) break;
        if (pass.grade == kGradeLocal) continue;
        // The trial, the last pass, leaves a fixed point of every pass: no restart after it.
        if (pass.run == &trialPass)
            return trialWith(g, puzzle, state, solution, true) != PassResult::Contradiction;
        const PassResult r = pass.run(g, puzzle, state);
        switch (r) {
        case PassResult::Contradiction:
            return false;
        case PassResult::Progress:
            goto restart;
        case PassResult::Stuck:
            break;
        }
    }
    return true;
}

int logicGradeWith(const Puzzle& puzzle, const State* solution) {
    const Grid& g = gridFor(puzzle.size);
    // Each grade goes on from the previous one's fixed point: its passes include those.
    State s{};
    for (int grade = kGradeLocal; grade <= kGradeTrial; ++grade) {
        if (!propagateWith(puzzle, s, grade, solution)) return 0;
        if (isComplete(g, s)) return isSolution(puzzle, s) ? grade : 0;
    }
    return kGradeSearch;
}

} // namespace

bool propagate(const Puzzle& puzzle, State& state, int maxGrade) {
    return propagateWith(puzzle, state, maxGrade, nullptr);
}

bool propagateKnowing(const Puzzle& puzzle, State& state, int maxGrade, const State& solution) {
    return propagateWith(puzzle, state, maxGrade, &solution);
}

bool isComplete(const Grid& g, const State& s) {
    for (int e = 0; e < g.edgeCount; ++e)
        if (s.edge[e] == kUnknown) return false;
    return true;
}

bool isSolution(const Puzzle& p, const State& s) {
    const Grid& g = gridFor(p.size);
    if (!isComplete(g, s)) return false;
    for (int c = 0; c < g.cellCount; ++c) {
        if (p.clue[c] < 0) continue;
        int on = 0;
        for (int e : g.cellEdges[c]) on += s.edge[e] == kOn;
        if (on != p.clue[c]) return false;
    }
    int start = -1, total = 0;
    for (int d = 0; d < g.dotCount; ++d) {
        int on = 0;
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) on += s.edge[g.dotEdges[d][i]] == kOn;
        if (on != 0 && on != 2) return false;
        if (on == 2) {
            ++total;
            if (start < 0) start = d;
        }
    }
    if (start < 0) return false;
    // Walk the loop from start; it must visit every dot of degree 2.
    int cur = start, came = -1, visited = 0;
    do {
        int next = -1;
        for (int i = 0; i < g.dotEdgeCount[cur]; ++i) {
            const int e = g.dotEdges[cur][i];
            if (e != came && s.edge[e] == kOn) {
                next = e;
                break;
            }
        }
        ++visited;
        came = next;
        cur = otherDot(g, next, cur);
    } while (cur != start);
    return visited == total;
}

namespace {

SolveResult fromSweep(SolveResult& result, FrontierResult& swept) {
    result.count = swept.count;
    result.solutions = std::move(swept.solutions);
    result.states += swept.states;
    result.aborted = swept.aborted;
    return result;
}

} // namespace

SolveResult searchSolutions(const Puzzle& puzzle, int cap, int keep, long nodeLimit) {
    SolveResult result;
    Searcher searcher{gridFor(puzzle.size), puzzle, cap, keep, nodeLimit, result};
    searcher.run(State{});
    return result;
}

SolveResult countSolutions(const Puzzle& puzzle, int cap, int keep, long workLimit) {
    SolveResult result;
    State root{};
    if (!propagate(puzzle, root, kGradeLoop)) return result;
    if (isComplete(gridFor(puzzle.size), root)) {
        if (isSolution(puzzle, root)) {
            result.count = 1;
            if (keep > 0) result.solutions.push_back(root);
        }
        return result;
    }
    // The sweep settles well-clued boards at a cost that does not depend on luck; boards
    // with many loops give up cap of them at once to a short search instead.
    const long firstLimit = workLimit > 0 ? std::min(workLimit, kSweepFirst) : kSweepFirst;
    FrontierResult swept = frontierCount(puzzle, root, cap, keep, firstLimit);
    if (!swept.aborted || firstLimit == workLimit) return fromSweep(result, swept);
    Searcher searcher{gridFor(puzzle.size), puzzle, cap, keep, kSearchNodes, result};
    searcher.run(root);
    if (!result.aborted) return result;
    swept = frontierCount(puzzle, root, cap, keep, workLimit);
    return fromSweep(result, swept);
}

int logicGrade(const Puzzle& puzzle) {
    return logicGradeWith(puzzle, nullptr);
}

int logicGradeKnowing(const Puzzle& puzzle, const State& solution) {
    return logicGradeWith(puzzle, &solution);
}

int gradeOf(const Puzzle& puzzle) {
    const int grade = logicGrade(puzzle);
    if (grade != kGradeSearch) return grade;
    const SolveResult r = countSolutions(puzzle, 2, 0);
    return !r.aborted && r.count == 1 ? kGradeSearch : 0;
}

std::vector<int> onSegments(const Grid& g, const State& s) {
    std::vector<int> out;
    for (int e = 0; e < g.edgeCount; ++e)
        if (s.edge[e] == kOn) out.push_back(g.edgeSegment[e]);
    std::sort(out.begin(), out.end());
    return out;
}

State stateFromSegments(const Grid& g, const std::vector<int>& segments) {
    State s{};
    for (int e = 0; e < g.edgeCount; ++e) s.edge[e] = kOff;
    for (int seg : segments)
        if (seg >= 0 && seg < kSegmentCount && g.segmentEdge[seg] >= 0)
            s.edge[g.segmentEdge[seg]] = kOn;
    return s;
}

} // namespace quirn::solver
