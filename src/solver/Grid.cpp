#include "solver/Grid.h"

namespace quirn::solver {
namespace {

Grid buildGrid(SizeClass size) {
    Grid g;
    g.size = size;
    const BlockShape shape = blockShape(size);
    g.rows = shape.rows;
    g.cols = shape.cols;
    g.cellCount = g.rows * g.cols;
    g.edgeCount = (g.rows + 1) * g.cols + g.rows * (g.cols + 1);
    g.dotCount = (g.rows + 1) * (g.cols + 1);
    g.segmentEdge.fill(-1);
    g.squareCell.fill(-1);
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
    for (int c = 0; c < g.cols; ++c) {
        const int line = g.lineCount++;
        for (int r = 0; r <= g.rows; ++r)
            g.lineEdges[line][g.lineLength[line]++] = static_cast<int16_t>(g.hEdge(r, c));
    }
    for (int r = 0; r < g.rows; ++r) {
        const int line = g.lineCount++;
        for (int c = 0; c <= g.cols; ++c)
            g.lineEdges[line][g.lineLength[line]++] = static_cast<int16_t>(g.vEdge(r, c));
    }
    return g;
}

} // namespace

const Grid& gridFor(SizeClass size) {
    static const std::array<Grid, 4> grids{buildGrid(SizeClass::Quick),
                                           buildGrid(SizeClass::Normal), buildGrid(SizeClass::Hard),
                                           buildGrid(SizeClass::Advanced)};
    return grids[static_cast<int>(size)];
}

} // namespace quirn::solver
