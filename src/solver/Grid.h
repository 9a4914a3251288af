// One size class's block in local coordinates, with the tables the solver walks.
// Local edges: horizontals first (row-major, (rows+1) x cols), then verticals
// (rows x (cols+1)). Local dots: row-major (rows+1) x (cols+1). Local cells: row-major.
#pragma once

#include "core/board/Lattice.h"

#include <array>
#include <cstdint>

namespace quirn::solver {

inline constexpr int kMaxEdges = kSegmentCount;
inline constexpr int kMaxDots = (kRows + 1) * (kCols + 1);
inline constexpr int kMaxCells = kSquareCount;
// Stands for an edge beyond the block: states keep it off.
inline constexpr int kBeyond = kMaxEdges;

struct Grid {
    SizeClass size = SizeClass::Advanced;
    int rows = 0;
    int cols = 0;
    int cellCount = 0;
    int edgeCount = 0;
    int dotCount = 0;
    std::array<std::array<int16_t, 4>, kMaxCells> cellEdges{}; // top, bottom, left, right
    std::array<std::array<int16_t, 4>, kMaxDots> dotEdges{};   // -1 pads
    std::array<int8_t, kMaxDots> dotEdgeCount{};
    std::array<std::array<int16_t, 2>, kMaxEdges> edgeDots{};
    std::array<std::array<int16_t, 2>, kMaxEdges> edgeCells{}; // -1: outside the block
    // The same with the outside as one more square, number cellCount: the inside/outside
    // colouring treats everything beyond the block as one region.
    std::array<std::array<int16_t, 2>, kMaxEdges> edgeSides{};
    std::array<std::array<int16_t, 4>, kMaxCells> cellNeighbours{}; // across each cellEdges side
    // Corners of a square, in the order top-left, top-right, bottom-left, bottom-right: the
    // corner's dot, and the dot's other edges (not the square's sides; -1 pads).
    std::array<std::array<int16_t, 4>, kMaxCells> cornerDot{};
    std::array<std::array<std::array<int16_t, 2>, 4>, kMaxCells> cornerOuter{};
    // A dot's two pairs of edges on each diagonal: on diagonal 0 the pair of the square up
    // and left of it and the pair of the square down and right; on diagonal 1 up-right and
    // down-left. -1: no such edge.
    std::array<std::array<std::array<std::array<int16_t, 2>, 2>, 2>, kMaxDots> dotPairs{};
    std::array<std::array<int16_t, 4>, kMaxDots> dotDir{};   // up, down, left, right, or kBeyond
    std::array<std::array<int16_t, 4>, kMaxDots> dotCells{}; // squares around a dot, -1 pads
    // Square corners as square * 4 + corner (-1 pads): those each edge is an outer edge of,
    // and those on each diagonal of each dot.
    std::array<std::array<int16_t, 4>, kMaxEdges> edgeOuterCorners{};
    std::array<std::array<std::array<int16_t, 2>, 2>, kMaxDots> diagonalCorners{};
    int borderCount = 0; // sides on the block's border, with the square inside each
    std::array<int16_t, 2 * (kRows + kCols)> borderEdges{};
    std::array<int16_t, 2 * (kRows + kCols)> borderCells{};
    std::array<int16_t, kMaxEdges> edgeSegment{};     // lattice segment index
    std::array<int16_t, kSegmentCount> segmentEdge{}; // -1: outside the block
    std::array<int16_t, kMaxCells> cellSquare{};      // lattice square index
    std::array<int16_t, kSquareCount> squareCell{};   // -1: outside the block

    int hEdge(int r, int c) const { return r * cols + c; }
    int vEdge(int r, int c) const { return (rows + 1) * cols + r * (cols + 1) + c; }
    int dot(int r, int c) const { return r * (cols + 1) + c; }
    int cell(int r, int c) const { return r * cols + c; }
};

// For corner k of a square (top-left, top-right, bottom-left, bottom-right): its two sides
// as positions in cellEdges, and the diagonal of its dot that the square lies on. The
// corner opposite k is 3 - k; the corners sharing one side with k are k ^ 1 and k ^ 2.
inline constexpr std::array<std::array<int, 2>, 4> kCornerSides{{{0, 2}, {0, 3}, {1, 2}, {1, 3}}};
inline constexpr std::array<int, 4> kCornerDiagonal{0, 1, 1, 0};

const Grid& gridFor(SizeClass size);

// The sides of the squares within `reach` rows and columns of square `cell`, marked 1.
std::array<uint8_t, kMaxEdges> edgesNear(const Grid& g, int cell, int reach);

} // namespace quirn::solver
