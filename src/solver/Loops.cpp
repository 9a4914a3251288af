#include "solver/Loops.h"

#include <vector>

namespace quirn::solver {
namespace {

struct Region {
    int rows = 0, cols = 0;
    std::array<uint8_t, kMaxCells> in{};
    bool at(int r, int c) const {
        return r >= 0 && c >= 0 && r < rows && c < cols && in[r * cols + c];
    }
    int touching(int r, int c) const {
        return at(r - 1, c) + at(r + 1, c) + at(r, c - 1) + at(r, c + 1);
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

Region growRegion(const Grid& g, Rng& rng, double plump) {
    Region reg;
    reg.rows = g.rows;
    reg.cols = g.cols;
    reg.in[rng.below(g.cellCount)] = 1;
    // A square that cannot join now is not offered again: the region only grows, so it
    // seldom could later.
    std::array<uint8_t, kMaxCells> dead{};
    std::vector<int> offers;
    for (;;) {
        offers.clear();
        for (int i = 0; i < g.cellCount; ++i)
            if (!reg.in[i] && !dead[i] && reg.touching(i / g.cols, i % g.cols) > 0)
                offers.push_back(i);
        if (offers.empty()) return reg;
        const int i = offers[rng.below(static_cast<int>(offers.size()))];
        const int r = i / g.cols, c = i % g.cols;
        dead[i] = 1;
        if (reg.touching(r, c) > 1 && rng.unit() >= plump) continue;
        reg.in[i] = 1;
        if (!cornerOk(reg, r, c) || !noHoles(reg)) reg.in[i] = 0;
    }
}

State borderOf(const Grid& g, const Region& reg) {
    State s{};
    for (int e = 0; e < g.edgeCount; ++e) {
        const int a = g.edgeCells[e][0], b = g.edgeCells[e][1];
        const bool ia = a >= 0 && reg.in[a], ib = b >= 0 && reg.in[b];
        s.edge[e] = ia != ib ? kOn : kOff;
    }
    return s;
}

// Tries of one plumpness before the next is plumper: small boards seldom need them.
constexpr int kTriesPerPlumpness = 200;

} // namespace

double loopShare(const Grid& g, const State& loop) {
    int on = 0;
    for (int e = 0; e < g.edgeCount; ++e) on += loop.edge[e] == kOn;
    return static_cast<double>(on) / g.edgeCount;
}

double untouchedShare(const Grid& g, const State& loop) {
    int untouched = 0;
    for (int c = 0; c < g.cellCount; ++c) {
        bool touched = false;
        for (int e : g.cellEdges[c]) touched |= loop.edge[e] == kOn;
        untouched += !touched;
    }
    return static_cast<double>(untouched) / g.cellCount;
}

double borderShare(const Grid& g, const State& loop) {
    int on = 0, border = 0;
    for (int e = 0; e < g.edgeCount; ++e) {
        if (loop.edge[e] != kOn) continue;
        ++on;
        border += g.edgeCells[e][0] < 0 || g.edgeCells[e][1] < 0;
    }
    return on ? static_cast<double>(border) / on : 0.0;
}

State randomLoop(SizeClass size, Rng& rng, double plump) {
    const Grid& g = gridFor(size);
    for (int tries = 0;; ++tries) {
        // Plumper regions make shorter loops: after many misses, thinner ones are tried.
        const double p =
            tries < kTriesPerPlumpness ? plump : plump / (1 + tries / kTriesPerPlumpness);
        const State s = borderOf(g, growRegion(g, rng, p));
        if (loopShare(g, s) >= kMinLoopShare && untouchedShare(g, s) <= kMaxUntouchedShare &&
            borderShare(g, s) <= kMaxBorderShare && isSolution(Puzzle(size), s))
            return s;
    }
}

} // namespace quirn::solver
