#include "solver/Grid.h"

#include <algorithm>

namespace quirn::solver {
namespace {

// The corner tables: which dot each square corner is, and the pairs of edges at each dot.
void addCorners(Grid& g) {
    for (auto& pairs : g.dotPairs)
        for (auto& diagonal : pairs)
            for (auto& pair : diagonal) pair.fill(-1);
    for (auto& cells : g.dotCells) cells.fill(-1);
    for (auto& corners : g.edgeOuterCorners) corners.fill(-1);
    for (auto& diagonals : g.diagonalCorners)
        for (auto& corners : diagonals) corners.fill(-1);
    auto add = [](auto& list, int value) {
        for (auto& slot : list)
            if (slot < 0) {
                slot = static_cast<int16_t>(value);
                return;
            }
    };
    for (int r = 0; r <= g.rows; ++r)
        for (int c = 0; c <= g.cols; ++c) {
            const int d = g.dot(r, c);
            const int16_t up = static_cast<int16_t>(r > 0 ? g.vEdge(r - 1, c) : -1);
            const int16_t down = static_cast<int16_t>(r < g.rows ? g.vEdge(r, c) : -1);
            const int16_t left = static_cast<int16_t>(c > 0 ? g.hEdge(r, c - 1) : -1);
            const int16_t right = static_cast<int16_t>(c < g.cols ? g.hEdge(r, c) : -1);
            auto orBeyond = [](int16_t e) { return static_cast<int16_t>(e < 0 ? kBeyond : e); };
            g.dotDir[d] = {orBeyond(up), orBeyond(down), orBeyond(left), orBeyond(right)};
            g.dotPairs[d][0][0] = {up, left};
            g.dotPairs[d][0][1] = {down, right};
            g.dotPairs[d][1][0] = {up, right};
            g.dotPairs[d][1][1] = {down, left};
            int n = 0;
            for (int dr = -1; dr <= 0; ++dr)
                for (int dc = -1; dc <= 0; ++dc)
                    if (r + dr >= 0 && r + dr < g.rows && c + dc >= 0 && c + dc < g.cols)
                        g.dotCells[d][n++] = static_cast<int16_t>(g.cell(r + dr, c + dc));
        }
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.cols; ++c) {
            const int cell = g.cell(r, c);
            for (int k = 0; k < 4; ++k) {
                const int d = g.dot(r + k / 2, c + k % 2);
                g.cornerDot[cell][k] = static_cast<int16_t>(d);
                // The square is down-right of its top-left dot (pair 1 of diagonal 0), down-left
                // of its top-right dot (pair 1 of diagonal 1), and so on.
                const int pair = k < 2 ? 1 : 0;
                g.cornerOuter[cell][k] = g.dotPairs[d][kCornerDiagonal[k]][1 - pair];
                for (int e : g.cornerOuter[cell][k])
                    if (e >= 0) add(g.edgeOuterCorners[e], 4 * cell + k);
                add(g.diagonalCorners[d][kCornerDiagonal[k]], 4 * cell + k);
            }
        }
}

// The edges with their segments, dots and squares.
void addEdges(Grid& g) {
    g.segmentEdge.fill(-1);
    for (auto& d : g.dotEdges) d.fill(-1);
    for (auto& e : g.edgeCells) e.fill(-1);
    auto addDotEdge = [&](int dot, int edge) {
        g.dotEdges[dot][g.dotEdgeCount[dot]++] = static_cast<int16_t>(edge);
    };
    for (int r = 0; r <= g.rows; ++r)
        for (int c = 0; c < g.cols; ++c) {
            const int e = g.hEdge(r, c);
            g.edgeSegment[e] = static_cast<int16_t>(horizontalSegment(r, c));
            g.edgeDots[e] = {static_cast<int16_t>(g.dot(r, c)),
                             static_cast<int16_t>(g.dot(r, c + 1))};
            addDotEdge(g.dot(r, c), e);
            addDotEdge(g.dot(r, c + 1), e);
            if (r > 0) g.edgeCells[e][0] = static_cast<int16_t>(g.cell(r - 1, c));
            if (r < g.rows) g.edgeCells[e][1] = static_cast<int16_t>(g.cell(r, c));
        }
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c <= g.cols; ++c) {
            const int e = g.vEdge(r, c);
            g.edgeSegment[e] = static_cast<int16_t>(verticalSegment(r, c));
            g.edgeDots[e] = {static_cast<int16_t>(g.dot(r, c)),
                             static_cast<int16_t>(g.dot(r + 1, c))};
            addDotEdge(g.dot(r, c), e);
            addDotEdge(g.dot(r + 1, c), e);
            if (c > 0) g.edgeCells[e][0] = static_cast<int16_t>(g.cell(r, c - 1));
            if (c < g.cols) g.edgeCells[e][1] = static_cast<int16_t>(g.cell(r, c));
        }
    for (int e = 0; e < g.edgeCount; ++e) g.segmentEdge[g.edgeSegment[e]] = static_cast<int16_t>(e);
}

// The squares with their sides and neighbours, and the border.
void addCells(Grid& g) {
    g.squareCell.fill(-1);
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.cols; ++c) {
            const int cell = g.cell(r, c);
            g.cellSquare[cell] = static_cast<int16_t>(squareIndex(r, c));
            g.squareCell[g.cellSquare[cell]] = static_cast<int16_t>(cell);
            g.cellEdges[cell] = {
                static_cast<int16_t>(g.hEdge(r, c)), static_cast<int16_t>(g.hEdge(r + 1, c)),
                static_cast<int16_t>(g.vEdge(r, c)), static_cast<int16_t>(g.vEdge(r, c + 1))};
        }
    for (int e = 0; e < g.edgeCount; ++e)
        for (int k = 0; k < 2; ++k) {
            const int c = g.edgeCells[e][k];
            g.edgeSides[e][k] = static_cast<int16_t>(c < 0 ? g.cellCount : c);
            if (c < 0) {
                g.borderEdges[g.borderCount] = static_cast<int16_t>(e);
                g.borderCells[g.borderCount++] = g.edgeCells[e][1 - k];
            }
        }
    for (int c = 0; c < g.cellCount; ++c)
        for (int k = 0; k < 4; ++k) {
            const auto& sides = g.edgeSides[g.cellEdges[c][k]];
            g.cellNeighbours[c][k] = sides[0] == c ? sides[1] : sides[0];
        }
}

Grid buildGrid(SizeClass size) {
    Grid g;
    g.size = size;
    const BlockShape shape = blockShape(size);
    g.rows = shape.rows;
    g.cols = shape.cols;
    g.cellCount = g.rows * g.cols;
    g.edgeCount = (g.rows + 1) * g.cols + g.rows * (g.cols + 1);
    g.dotCount = (g.rows + 1) * (g.cols + 1);
    addEdges(g);
    addCells(g);
    addCorners(g);
    return g;
}

} // namespace

std::array<uint8_t, kMaxEdges> edgesNear(const Grid& g, int cell, int reach) {
    std::array<uint8_t, kMaxEdges> near{};
    const int row = cell / g.cols, col = cell % g.cols;
    for (int r = std::max(0, row - reach); r <= std::min(g.rows - 1, row + reach); ++r)
        for (int c = std::max(0, col - reach); c <= std::min(g.cols - 1, col + reach); ++c)
            for (int e : g.cellEdges[g.cell(r, c)]) near[e] = 1;
    return near;
}

const Grid& gridFor(SizeClass size) {
    static const std::array<Grid, 4> grids{buildGrid(SizeClass::Quick),
                                           buildGrid(SizeClass::Normal), buildGrid(SizeClass::Hard),
                                           buildGrid(SizeClass::Advanced)};
    return grids[static_cast<int>(size)];
}

} // namespace quirn::solver
