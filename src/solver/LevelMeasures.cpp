#include "solver/LevelMeasures.h"

#include <algorithm>

namespace quirn::solver {
namespace {

// The cells' values under each symmetry of the block (eight for a square block, four for
// an oblong one), each read row by row; the least of them.
std::string leastImage(const Grid& g, const std::array<int8_t, kMaxCells>& value) {
    std::string best;
    for (int t = 0; t < 8; ++t) {
        const bool transpose = t & 4;
        if (transpose && g.rows != g.cols) continue;
        std::string image;
        for (int r = 0; r < g.rows; ++r)
            for (int c = 0; c < g.cols; ++c) {
                int y = transpose ? c : r, x = transpose ? r : c;
                if (t & 1) y = g.rows - 1 - y;
                if (t & 2) x = g.cols - 1 - x;
                image += static_cast<char>('a' + value[g.cell(y, x)]);
            }
        if (best.empty() || image < best) best = std::move(image);
    }
    return best;
}

} // namespace

ClueCounts countClues(const Grid& g, const Puzzle& p) {
    ClueCounts counts;
    for (int c = 0; c < g.cellCount; ++c)
        if (p.clue[c] >= 0 && p.clue[c] <= 3) {
            ++counts.clues;
            ++counts.digit[p.clue[c]];
        }
    return counts;
}

bool cluesLookGood(const Grid& g, const ClueCounts& counts) {
    return counts.clues >= kMinClueShare * g.cellCount &&
           counts.clues <= kMaxClueShare * g.cellCount &&
           counts.digit[3] >= kMinThreeShare * counts.clues &&
           counts.digit[0] <= kMaxZeroShare * counts.clues;
}

Puzzle allClues(SizeClass size, const State& loop) {
    const Grid& g = gridFor(size);
    Puzzle p(size);
    for (int c = 0; c < g.cellCount; ++c) {
        int on = 0;
        for (int e : g.cellEdges[c]) on += loop.edge[e] == kOn;
        p.clue[c] = static_cast<int8_t>(on);
    }
    return p;
}

std::string loopKey(const Grid& g, const State& loop) {
    // A loop is known by the squares inside it: the loop crosses a row between them.
    std::array<int8_t, kMaxCells> inside{};
    for (int r = 0; r < g.rows; ++r) {
        int8_t crossed = 0;
        for (int c = 0; c < g.cols; ++c) {
            crossed ^= loop.edge[g.vEdge(r, c)] == kOn;
            inside[g.cell(r, c)] = crossed;
        }
    }
    return leastImage(g, inside);
}

std::string clueKey(const Grid& g, const Puzzle& p) {
    std::array<int8_t, kMaxCells> value{};
    for (int c = 0; c < g.cellCount; ++c) value[c] = static_cast<int8_t>(p.clue[c] + 1);
    return leastImage(g, value);
}

} // namespace quirn::solver
