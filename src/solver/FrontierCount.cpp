#include "solver/FrontierCount.h"

#include <algorithm>
#include <cstdint>

namespace quirn::solver {
namespace {

// A front dot's label: untouched or degree 0 so far, degree 2 (no more sides), or the
// end of an open path; both ends of one path share a label.
constexpr int kFree = 0;
constexpr int kDone = 1;
constexpr int kFirstPath = 2;
constexpr int kFresh = 15;
constexpr int kDotBits = 4;
constexpr int kNeedBits = 2;
constexpr int kMaxFront = 16;

// The sweep: edges column by column, so the front is about one column of dots high.
struct Plan {
    int steps = 0;
    bool fits = true; // every front packs into 64 bits
    std::array<int16_t, kMaxEdges> edge{};
    std::array<int16_t, kMaxDots> dotLast{};
    std::array<int16_t, kMaxDots> dotFirst{};
    std::array<int16_t, kMaxCells> cellFirst{};
    std::array<std::array<int8_t, 2>, kMaxEdges>
        remainAfter{}; // the edge's squares' sides still to come
    std::array<int8_t, kMaxEdges> frontDotCount{};
    std::array<int8_t, kMaxEdges> frontCellCount{};
    std::array<std::array<int16_t, kMaxFront>, kMaxEdges> frontDot{};  // after each step
    std::array<std::array<int16_t, kMaxFront>, kMaxEdges> frontCell{}; // after each step
    // Per step, where each front slot comes from in the front before it: a slot, or
    // -1 / -2 for the edge's dots (squares: -1 / -2 for the edge's squares).
    std::array<std::array<int8_t, kMaxFront>, kMaxEdges> dotSrc{};
    std::array<std::array<int8_t, kMaxFront>, kMaxEdges> cellSrc{};
    std::array<std::array<int8_t, 2>, kMaxEdges> dotSlot{};  // the edge's dots before, -1: new
    std::array<std::array<int8_t, 2>, kMaxEdges> cellSlot{}; // the edge's squares before, -1: new
    std::array<uint64_t, kMaxEdges> otherNeeds{}; // need bits of the other squares before
    // Steps whose front keeps every old slot in place (all but the block's first and last
    // columns): the new front is the old one masked, plus the edge's dots and squares.
    std::array<uint8_t, kMaxEdges> inPlace{};
    std::array<uint64_t, kMaxEdges> keepMask{};
    std::array<std::array<int8_t, 2>, kMaxEdges> dotNew{};  // slot taking the edge's dot k
    std::array<std::array<int8_t, 2>, kMaxEdges> cellNew{}; // slot taking the edge's square k
};

// The steps' edges, column by column, and where each dot and square first and last meets
// the sweep.
void orderSteps(const Grid& g, Plan& p, std::array<int16_t, kMaxEdges>& stepOf,
                std::array<int16_t, kMaxCells>& cellLast) {
    for (int x = 0; x <= g.cols; ++x)
        for (int y = 0; y <= g.rows; ++y) {
            if (y < g.rows) p.edge[p.steps++] = static_cast<int16_t>(g.vEdge(y, x));
            if (x < g.cols) p.edge[p.steps++] = static_cast<int16_t>(g.hEdge(y, x));
        }
    p.dotFirst.fill(-1);
    p.cellFirst.fill(-1);
    for (int i = 0; i < p.steps; ++i) {
        const int e = p.edge[i];
        stepOf[e] = static_cast<int16_t>(i);
        for (int d : g.edgeDots[e]) {
            if (p.dotFirst[d] < 0) p.dotFirst[d] = static_cast<int16_t>(i);
            p.dotLast[d] = static_cast<int16_t>(i);
        }
        for (int c : g.edgeCells[e]) {
            if (c < 0) continue;
            if (p.cellFirst[c] < 0) p.cellFirst[c] = static_cast<int16_t>(i);
            cellLast[c] = static_cast<int16_t>(i);
        }
    }
}

// The front after step i: its dots and squares, where the edge's dots and squares were
// in the front before, and where each slot comes from.
void addFront(const Grid& g, Plan& p, int i, const std::array<int16_t, kMaxCells>& cellLast) {
    const int e = p.edge[i];
    int nd = 0, nc = 0;
    for (int d = 0; d < g.dotCount; ++d)
        if (p.dotFirst[d] <= i && i < p.dotLast[d] && nd < kMaxFront)
            p.frontDot[i][nd++] = static_cast<int16_t>(d);
    for (int c = 0; c < g.cellCount; ++c)
        if (p.cellFirst[c] <= i && i < cellLast[c] && nc < kMaxFront)
            p.frontCell[i][nc++] = static_cast<int16_t>(c);
    p.frontDotCount[i] = static_cast<int8_t>(nd);
    p.frontCellCount[i] = static_cast<int8_t>(nc);
    const int pd = i > 0 ? p.frontDotCount[i - 1] : 0, pc = i > 0 ? p.frontCellCount[i - 1] : 0;
    for (int k = 0; k < 2; ++k) {
        p.dotSlot[i][k] = p.cellSlot[i][k] = -1;
        for (int j = 0; j < pd; ++j)
            if (p.frontDot[i - 1][j] == g.edgeDots[e][k]) p.dotSlot[i][k] = static_cast<int8_t>(j);
        for (int j = 0; j < pc; ++j)
            if (p.frontCell[i - 1][j] == g.edgeCells[e][k])
                p.cellSlot[i][k] = static_cast<int8_t>(j);
    }
    for (int j = 0; j < pc; ++j)
        if (j != p.cellSlot[i][0] && j != p.cellSlot[i][1])
            p.otherNeeds[i] |= uint64_t{3} << (kNeedBits * j);
    // Only the edge's dots and squares may join the front.
    auto source = [&](int x, const auto& ends, const int16_t* before, int count) {
        int8_t src = x == ends[0] ? -1 : x == ends[1] ? -2 : -3;
        for (int q = 0; q < count && src == -3; ++q)
            if (before[q] == x) src = static_cast<int8_t>(q);
        if (src == -3) p.fits = false;
        return src;
    };
    const int16_t* dotsBefore = i > 0 ? p.frontDot[i - 1].data() : nullptr;
    const int16_t* cellsBefore = i > 0 ? p.frontCell[i - 1].data() : nullptr;
    for (int j = 0; j < nd; ++j)
        p.dotSrc[i][j] = source(p.frontDot[i][j], g.edgeDots[e], dotsBefore, pd);
    for (int j = 0; j < nc; ++j)
        p.cellSrc[i][j] = source(p.frontCell[i][j], g.edgeCells[e], cellsBefore, pc);
    if (nd * kDotBits + nc * kNeedBits > 64 || nd >= kMaxFront || nc >= kMaxFront) p.fits = false;
}

// Whether step i keeps every old slot in place, and the mask and new slots if so.
void markInPlace(Plan& p, int i) {
    const int nd = p.frontDotCount[i], nc = p.frontCellCount[i];
    const int pd = i > 0 ? p.frontDotCount[i - 1] : 0, pc = i > 0 ? p.frontCellCount[i - 1] : 0;
    bool inPlace = nd == pd && nc == pc;
    p.dotNew[i] = p.cellNew[i] = {-1, -1};
    for (int j = 0; j < nd && inPlace; ++j) {
        const int src = p.dotSrc[i][j];
        if (src == j)
            p.keepMask[i] |= uint64_t{15} << (kDotBits * j);
        else if (src < 0 && src >= -2)
            p.dotNew[i][-1 - src] = static_cast<int8_t>(j);
        else
            inPlace = false;
    }
    for (int j = 0; j < nc && inPlace; ++j) {
        const int src = p.cellSrc[i][j];
        if (src == j)
            p.keepMask[i] |= uint64_t{3} << (nd * kDotBits + kNeedBits * j);
        else if (src < 0 && src >= -2)
            p.cellNew[i][-1 - src] = static_cast<int8_t>(j);
        else
            inPlace = false;
    }
    p.inPlace[i] = inPlace;
}

Plan buildPlan(const Grid& g) {
    Plan p;
    std::array<int16_t, kMaxEdges> stepOf{};
    std::array<int16_t, kMaxCells> cellLast{};
    orderSteps(g, p, stepOf, cellLast);
    for (int i = 0; i < p.steps; ++i) {
        const int e = p.edge[i];
        for (int k = 0; k < 2; ++k) {
            const int c = g.edgeCells[e][k];
            if (c < 0) continue;
            int left = 0;
            for (int side : g.cellEdges[c]) left += stepOf[side] > i;
            p.remainAfter[i][k] = static_cast<int8_t>(left);
        }
        addFront(g, p, i, cellLast);
        markInPlace(p, i);
    }
    return p;
}

const Plan& planFor(SizeClass size) {
    static const std::array<Plan, 4> plans = [] {
        std::array<Plan, 4> out;
        for (SizeClass s : kAllSizeClasses) out[static_cast<int>(s)] = buildPlan(gridFor(s));
        return out;
    }();
    return plans[static_cast<int>(size)];
}

// The fronts of one step, in order of arrival, with the number of ways (saturated) to reach
// each. An open-addressing table of entry numbers finds a front by its packed key: four
// bytes a slot keep the table in cache, and the fronts are read back in a straight line.
class Layer {
  public:
    void clear() {
        for (const Entry& e : entries_) table_[e.slot] = 0;
        entries_.clear();
    }
    // parent: where the first way in came from (entry in the previous layer, edge on).
    [[gnu::always_inline]] void add(uint64_t key, int64_t ways, int64_t cap, uint32_t parent = 0) {
        if (entries_.size() >= growAt_) grow();
        uint32_t s = slot(key);
        for (uint32_t at; (at = table_[s]) != 0; s = (s + 1) & mask_) {
            Entry& e = entries_[at - 1];
            if (e.key == key) {
                e.ways = std::min(cap, e.ways + ways);
                return;
            }
        }
        entries_.push_back({key, std::min(cap, ways), parent, s});
        table_[s] = static_cast<uint32_t>(entries_.size());
    }
    uint32_t size() const { return static_cast<uint32_t>(entries_.size()); }
    uint64_t key(uint32_t i) const { return entries_[i].key; }
    int64_t ways(uint32_t i) const { return entries_[i].ways; }
    uint32_t parent(uint32_t i) const { return entries_[i].parent; }
    // The entry holding key, -1 when absent.
    long find(uint64_t key) const {
        if (table_.empty()) return -1;
        for (uint32_t s = slot(key), at; (at = table_[s]) != 0; s = (s + 1) & mask_)
            if (entries_[at - 1].key == key) return at - 1;
        return -1;
    }
    std::vector<uint8_t> alive;

  private:
    struct Entry {
        uint64_t key;
        int64_t ways;
        uint32_t parent;
        uint32_t slot; // its place in the table
    };
    uint32_t slot(uint64_t key) const {
        return static_cast<uint32_t>((key * 0x9E3779B97F4A7C15ull) >> 40) & mask_;
    }
    void grow() {
        const std::size_t size = table_.empty() ? 64 : table_.size() * 2;
        table_.assign(size, 0);
        mask_ = static_cast<uint32_t>(size - 1);
        growAt_ = size / 2;
        for (uint32_t i = 0; i < entries_.size(); ++i) {
            uint32_t s = slot(entries_[i].key);
            while (table_[s] != 0) s = (s + 1) & mask_;
            table_[s] = i + 1;
            entries_[i].slot = s;
        }
    }
    std::vector<Entry> entries_;
    std::vector<uint32_t> table_; // entry number + 1, 0 when free
    uint32_t mask_ = 0;
    std::size_t growAt_ = 0; // entries that fill the table half
};

enum class Step { Invalid, Next, Closed };

inline int nibble(uint64_t key, int slot) {
    return static_cast<int>((key >> (kDotBits * slot)) & 15);
}

struct StepRule;

struct Sweep {
    const Grid& g;
    const Plan& plan;
    const Puzzle& p;
    const State& known;
    std::array<uint8_t, kMaxEdges> restOffOk{};
    // Per step: the clue of the edge's squares (-1: none), and which of its dots leave the
    // front there; looked up once instead of through the grid for every front.
    std::array<std::array<int8_t, 2>, kMaxEdges> stepClue{};
    std::array<std::array<uint8_t, 2>, kMaxEdges> dotEnds{};
    std::array<int8_t, kMaxEdges> forbid{}; // the value the edge can't take, or kUnknown

    Sweep(const Grid& grid, const Plan& pl, const Puzzle& puzzle, const State& k)
        : g(grid), plan(pl), p(puzzle), known(k) {
        for (int i = 0; i < plan.steps; ++i) {
            const int e = plan.edge[i];
            for (int q = 0; q < 2; ++q) {
                const int c = g.edgeCells[e][q];
                stepClue[i][q] = c < 0 ? int8_t{-1} : p.clue[c];
                dotEnds[i][q] = plan.dotLast[g.edgeDots[e][q]] == i;
            }
            forbid[i] = known.edge[e] == kOn ? kOff : known.edge[e] == kOff ? kOn : kUnknown;
        }
        // restOffOk[i]: no later edge is known on and no later square needs a side.
        restOffOk[plan.steps - 1] = 1;
        for (int i = plan.steps - 2; i >= 0; --i) {
            const int e = plan.edge[i + 1];
            bool ok = restOffOk[i + 1] && known.edge[e] != kOn;
            for (int c : g.edgeCells[e])
                if (c >= 0 && plan.cellFirst[c] == i + 1 && p.clue[c] > 0) ok = false;
            restOffOk[i] = ok;
        }
    }

    StepRule rule(int i) const;
    Step apply(int i, bool on, uint64_t key, uint64_t& out) const;
};

// Step i's constants, copied out of the tables once for all of its fronts: the compiler
// can't keep table loads out of the loop, as the fronts it stores might alias them.
struct StepRule {
    int8_t forbid = kUnknown;                    // the value the edge can't take
    std::array<int8_t, 2> dotSlot{}, cellSlot{}; // the edge's dots and squares before, -1: new
    std::array<int8_t, 2> clue{}, remain{};      // its squares' clues and sides still to come
    std::array<int8_t, 2> dotNew{}, cellNew{};   // slots taking them after, in place
    std::array<uint8_t, 2> dotEnds{};            // which of its dots leave the front here
    int prevBase = 0;                            // need bits' offset in the front before
    int prevDots = 0, nd = 0, nc = 0;            // front dots before, dots and squares after
    bool inPlace = false;
    bool mayClose = false; // the loop may close here
    uint64_t keepMask = 0, otherNeeds = 0;
    const int8_t* dotSrc = nullptr;
    const int8_t* cellSrc = nullptr;

    // What the front `key` packed after the step before says of the edge's dots and squares.
    struct Ends {
        int la, lb;               // the dots' labels
        std::array<int, 2> needs; // sides the squares still need (0 for no clue)
    };
    [[gnu::always_inline]] Ends read(uint64_t key) const {
        Ends f{dotSlot[0] >= 0 ? nibble(key, dotSlot[0]) : kFree,
               dotSlot[1] >= 0 ? nibble(key, dotSlot[1]) : kFree,
               {}};
        for (int k = 0; k < 2; ++k)
            if (clue[k] >= 0)
                f.needs[k] =
                    cellSlot[k] >= 0
                        ? static_cast<int>((key >> (prevBase + kNeedBits * cellSlot[k])) & 3)
                        : clue[k];
        return f;
    }

    // The edge on or off from the front `key` packed after the step before. Closed: the
    // loop is complete and every later edge off agrees with everything.
    Step apply(bool on, uint64_t key, uint64_t& out) const {
        return apply(on, key, read(key), out);
    }
    // Both ways at once: the front is read once.
    [[gnu::always_inline]] void applyBoth(uint64_t key, Step& stepOn, uint64_t& outOn,
                                          Step& stepOff, uint64_t& outOff) const {
        const Ends f = read(key);
        stepOn = apply(true, key, f, outOn);
        stepOff = apply(false, key, f, outOff);
    }

    [[gnu::always_inline]] Step apply(bool on, uint64_t key, const Ends& f, uint64_t& out) const {
        if (forbid == (on ? kOn : kOff)) return Step::Invalid;
        int la = f.la, lb = f.lb;
        std::array<int, 2> needs = f.needs;
        for (int k = 0; k < 2; ++k) {
            if (clue[k] < 0) continue;
            if (on && needs[k]-- == 0) return Step::Invalid;
            if (needs[k] > remain[k]) return Step::Invalid;
        }
        int from = -1, to = -1; // relabel: the far end of a merged path
        if (on) {
            if (la == kDone || lb == kDone) return Step::Invalid;
            if (la == kFree && lb == kFree) {
                la = lb = kFresh;
            } else if (la == kFree) {
                la = lb;
                lb = kDone;
            } else if (lb == kFree) {
                lb = la;
                la = kDone;
            } else if (la == lb) {
                return closes(key, needs) ? Step::Closed : Step::Invalid;
            } else {
                from = la;
                to = lb;
                la = lb = kDone;
            }
        }
        if (dotEnds[0] && la >= kFirstPath) return Step::Invalid;
        if (dotEnds[1] && lb >= kFirstPath) return Step::Invalid;
        if (inPlace) {
            out = packInPlace(on, key, la, lb, from, to, needs);
            return Step::Next;
        }
        // Pack the front after the step; path labels by first appearance once they change.
        std::array<int8_t, 16> renumber{};
        int next = kFirstPath;
        uint64_t packed = 0;
        for (int j = 0; j < nd; ++j) {
            const int src = dotSrc[j];
            int l = src >= 0 ? nibble(key, src) : src == -1 ? la : lb;
            if (on && l >= kFirstPath) {
                if (l == from) l = to;
                if (renumber[l] == 0) renumber[l] = static_cast<int8_t>(next++);
                l = renumber[l];
            }
            packed |= static_cast<uint64_t>(l) << (kDotBits * j);
        }
        const int base = nd * kDotBits;
        for (int j = 0; j < nc; ++j) {
            const int src = cellSrc[j];
            const uint64_t n = src >= 0 ? (key >> (prevBase + kNeedBits * src)) & 3
                                        : static_cast<uint64_t>(needs[-1 - src]);
            packed |= n << (base + kNeedBits * j);
        }
        out = packed;
        return Step::Next;
    }

    // The in-place front: old slots masked through, new dots and squares dropped in. Off
    // changes no path, so labels stay in first-appearance order; on renumbers them.
    uint64_t packInPlace(bool on, uint64_t key, int la, int lb, int from, int to,
                         const std::array<int, 2>& needs) const {
        uint64_t packed = key & keepMask;
        const std::array<int, 2> label{la, lb};
        for (int k = 0; k < 2; ++k) {
            if (dotNew[k] >= 0) packed |= static_cast<uint64_t>(label[k]) << (kDotBits * dotNew[k]);
            if (cellNew[k] >= 0)
                packed |= static_cast<uint64_t>(needs[k])
                          << (nd * kDotBits + kNeedBits * cellNew[k]);
        }
        if (!on) return packed;
        // A path end stepping to a neighbouring slot passes no other path's first end, so
        // the labels keep their order.
        int moved = 0;
        if (from < 0 && la >= kFirstPath && la != kFresh && lb == kDone)
            moved = dotNew[0] - dotSlot[1];
        else if (from < 0 && lb >= kFirstPath && lb != kFresh && la == kDone)
            moved = dotNew[1] - dotSlot[0];
        else
            moved = kMaxFront;
        if (moved >= -1 && moved <= 1) return packed;
        std::array<int8_t, 16> renumber{};
        int next = kFirstPath;
        for (int j = 0; j < nd; ++j) {
            int l = nibble(packed, j);
            if (l < kFirstPath) continue;
            if (l == from) l = to;
            if (renumber[l] == 0) renumber[l] = static_cast<int8_t>(next++);
            packed = (packed & ~(uint64_t{15} << (kDotBits * j))) |
                     static_cast<uint64_t>(renumber[l]) << (kDotBits * j);
        }
        return packed;
    }

    // Joining a path's two ends: allowed only with no other path open and every clue met.
    bool closes(uint64_t key, const std::array<int, 2>& needs) const {
        if (!mayClose || needs[0] != 0 || needs[1] != 0) return false;
        if (((key >> (prevDots * kDotBits)) & otherNeeds) != 0) return false;
        for (int j = 0; j < prevDots; ++j)
            if (j != dotSlot[0] && j != dotSlot[1] && nibble(key, j) >= kFirstPath) return false;
        return true;
    }
};

StepRule Sweep::rule(int i) const {
    StepRule r;
    r.forbid = forbid[i];
    r.dotSlot = plan.dotSlot[i];
    r.cellSlot = plan.cellSlot[i];
    r.clue = stepClue[i];
    r.remain = plan.remainAfter[i];
    r.dotNew = plan.dotNew[i];
    r.cellNew = plan.cellNew[i];
    r.dotEnds = dotEnds[i];
    r.prevDots = i > 0 ? plan.frontDotCount[i - 1] : 0;
    r.prevBase = r.prevDots * kDotBits;
    r.nd = plan.frontDotCount[i];
    r.nc = plan.frontCellCount[i];
    r.inPlace = plan.inPlace[i];
    r.mayClose = i > 0 && restOffOk[i];
    r.keepMask = plan.keepMask[i];
    r.otherNeeds = plan.otherNeeds[i];
    r.dotSrc = plan.dotSrc[i].data();
    r.cellSrc = plan.cellSrc[i].data();
    return r;
}

Step Sweep::apply(int i, bool on, uint64_t key, uint64_t& out) const {
    return rule(i).apply(on, key, out);
}

// The sweep's fronts, kept whole when loops are wanted (layer i + 1 after step i), else
// only the last two. Tables are kept per thread between calls: their memory is reused.
class Layers {
  public:
    Layers(int steps, bool whole) : whole_(whole) {
        thread_local std::vector<Layer> kept;
        if (kept.size() < static_cast<std::size_t>(steps + 1)) kept.resize(steps + 1);
        layers_ = &kept;
        for (int i = 0; i <= (whole ? steps : 1); ++i) kept[i].clear();
    }
    // After step i; -1: before the first.
    Layer& at(int i) { return (*layers_)[whole_ ? i + 1 : (i + 1) & 1]; }

  private:
    bool whole_;
    std::vector<Layer>* layers_;
};

struct Closing {
    int step;
    uint32_t from; // the front it closes from, in the layer before the step
};

// The sweep itself: the number of loops (up to cap) and where the first `keep` close.
void sweepFronts(const Sweep& sweep, Layers& layers, int64_t cap, int keep, long stateLimit,
                 FrontierResult& result, std::vector<Closing>& closings) {
    layers.at(-1).add(0, 1, cap);
    int64_t closed = 0;
    for (int i = 0; i < sweep.plan.steps; ++i) {
        const Layer& from = layers.at(i - 1);
        Layer& to = layers.at(i);
        to.clear();
        const StepRule rule = sweep.rule(i);
        for (uint32_t s = 0; s < from.size(); ++s) {
            std::array<Step, 2> steps{};
            std::array<uint64_t, 2> keys{};
            rule.applyBoth(from.key(s), steps[1], keys[1], steps[0], keys[0]);
            for (int on = 1; on >= 0; --on) {
                if (steps[on] == Step::Closed) {
                    closed = std::min(cap, closed + from.ways(s));
                    if (static_cast<int>(closings.size()) < keep) closings.push_back({i, s});
                } else if (steps[on] == Step::Next) {
                    to.add(keys[on], from.ways(s), cap, s << 1 | static_cast<uint32_t>(on));
                }
            }
        }
        result.states += static_cast<long>(to.size());
        if (stateLimit > 0 && result.states > stateLimit) {
            result.aborted = true;
            return;
        }
    }
    result.count = static_cast<int>(closed);
}

// Each closing's first-parent chain is one loop.
void loopsOfClosings(const Sweep& sweep, Layers& layers, const std::vector<Closing>& closings,
                     FrontierResult& result) {
    const Plan& plan = sweep.plan;
    for (const Closing& c : closings) {
        State s{};
        for (int j = 0; j < plan.steps; ++j) s.edge[plan.edge[j]] = kOff;
        s.edge[plan.edge[c.step]] = kOn;
        uint32_t slot = c.from;
        for (int j = c.step - 1; j >= 0; --j) {
            const uint32_t link = layers.at(j).parent(slot);
            s.edge[plan.edge[j]] = (link & 1) ? kOn : kOff;
            slot = link >> 1;
        }
        result.solutions.push_back(s);
    }
}

// When several loops meet in one closing: marks the fronts from which a loop can still be
// completed, last step first, then walks forward through live fronts only, so that every
// walk ends in a loop.
void loopsOfLiveFronts(const Sweep& sweep, Layers& layers, int keep, FrontierResult& result) {
    const int steps = sweep.plan.steps;
    for (int i = steps - 1; i >= -1; --i) {
        Layer& layer = layers.at(i);
        layer.alive.assign(layer.size(), 0);
        if (i + 1 >= steps) continue;
        const Layer& next = layers.at(i + 1);
        for (uint32_t s = 0; s < layer.size(); ++s)
            for (bool on : {true, false}) {
                uint64_t key = 0;
                const Step step = sweep.apply(i + 1, on, layer.key(s), key);
                long t = -1;
                if (step == Step::Closed ||
                    (step == Step::Next && (t = next.find(key)) >= 0 && next.alive[t])) {
                    layer.alive[s] = 1;
                    break;
                }
            }
    }
    std::array<int8_t, kMaxEdges> chosen{};
    auto walk = [&](auto&& self, int i, uint64_t frontKey) -> void {
        for (bool on : {true, false}) {
            if (static_cast<int>(result.solutions.size()) >= keep) return;
            uint64_t key = 0;
            const Step step = sweep.apply(i, on, frontKey, key);
            chosen[i] = on ? kOn : kOff;
            if (step == Step::Closed) {
                State s{};
                for (int j = 0; j < steps; ++j)
                    s.edge[sweep.plan.edge[j]] = j <= i ? chosen[j] : static_cast<int8_t>(kOff);
                result.solutions.push_back(s);
            } else if (step == Step::Next) {
                const Layer& next = layers.at(i);
                const long t = next.find(key);
                if (t >= 0 && next.alive[t]) self(self, i + 1, key);
            }
        }
    };
    walk(walk, 0, 0);
}

} // namespace

FrontierResult frontierCount(const Puzzle& puzzle, const State& known, int cap, int keep,
                             long stateLimit) {
    FrontierResult result;
    const Plan& plan = planFor(puzzle.size);
    if (!plan.fits) {
        result.aborted = true; // fronts that don't pack: nothing is known
        return result;
    }
    const Sweep sweep(gridFor(puzzle.size), plan, puzzle, known);
    Layers layers(plan.steps, keep > 0);
    std::vector<Closing> closings; // distinct closings give distinct loops
    sweepFronts(sweep, layers, std::max(cap, 1), keep, stateLimit, result, closings);
    if (keep <= 0 || result.count == 0 || result.aborted) return result;
    loopsOfClosings(sweep, layers, closings, result);
    if (static_cast<int>(result.solutions.size()) >= std::min(keep, result.count)) return result;
    result.solutions.clear();
    loopsOfLiveFronts(sweep, layers, keep, result);
    return result;
}

} // namespace quirn::solver
