#include "solver/SecondLoop.h"

#include "solver/FrontierCount.h"

namespace quirn::solver {

SecondLoop::SecondLoop(const Puzzle& p, const State& loop)
    : g_(gridFor(p.size)), p_(p), loop_(loop) {
    for (int r = 0; r < g_.rows; ++r) {
        uint8_t crossed = 0;
        for (int c = 0; c < g_.cols; ++c) {
            crossed ^= loop.edge[g_.vEdge(r, c)] == kOn;
            inside_[g_.cell(r, c)] = crossed;
        }
    }
}

bool SecondLoop::sweepFound(int square) const {
    State near = loop_;
    const auto open = edgesNear(g_, square, kSecondLoopReach);
    for (int e = 0; e < g_.edgeCount; ++e)
        if (open[e]) near.edge[e] = kUnknown;
    return frontierCount(p_, near, 2, 0, 0).count >= 2;
}

bool SecondLoop::flipFound(int square) {
    std::array<int, 5> seeds{square};
    const int n = 1 + neighbours(square, &seeds[1]);
    for (int i = 0; i < n; ++i) {
        cells_[0] = seeds[i];
        flip_[seeds[i]] = 1;
        const bool hit = grow(1);
        flip_[seeds[i]] = 0;
        if (hit) return true;
    }
    return false;
}

int SecondLoop::neighbours(int x, int* out) const {
    const int r = x / g_.cols, c = x % g_.cols;
    int n = 0;
    if (r > 0) out[n++] = x - g_.cols;
    if (r + 1 < g_.rows) out[n++] = x + g_.cols;
    if (c > 0) out[n++] = x - 1;
    if (c + 1 < g_.cols) out[n++] = x + 1;
    return n;
}

bool SecondLoop::clueHolds(int x) const {
    if (p_.clue[x] < 0) return true;
    int sides = 0;
    for (int e : g_.cellEdges[x]) sides += colour(g_.edgeCells[e][0]) != colour(g_.edgeCells[e][1]);
    return sides == p_.clue[x];
}

// Only the flipped squares and their neighbours can break a clue; the whole loop is
// checked last.
bool SecondLoop::isLoop(int size) const {
    for (int i = 0; i < size; ++i) {
        if (!clueHolds(cells_[i])) return false;
        std::array<int, 4> around{};
        const int n = neighbours(cells_[i], around.data());
        for (int k = 0; k < n; ++k)
            if (!clueHolds(around[k])) return false;
    }
    State s{};
    for (int e = 0; e < g_.edgeCount; ++e)
        s.edge[e] = colour(g_.edgeCells[e][0]) != colour(g_.edgeCells[e][1]) ? kOn : kOff;
    return isSolution(p_, s);
}

// Connected sets grown from cells_[0], each cell added after it (no repeats of a set by its
// least cell, though a set may be met more than once).
bool SecondLoop::grow(int size) {
    if (isLoop(size)) return true;
    if (size == kFlipSquares) return false;
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

} // namespace quirn::solver
